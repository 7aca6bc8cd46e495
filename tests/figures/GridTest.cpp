// Grid paper: the frame and origin it fixes, the lines it draws with every fifth one bold
// through the origin, and the caller's draw width given back.
#include <gtest/gtest.h>

#include <algorithm>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void SetGrid(shell::Vars& v, float x, float y, float yoko, float tate, float size, float colour) {
  v.GGX = x; v.GGY = y; v.YOKO = yoko; v.TATE = tate; v.SIZE = size; v.CCC2 = colour;
}

TEST(Grid, PageColourFixesTheFrameAndDrawsNothing) {
  TestRun m;
  SetGrid(m.v, 720, 130, 16, 16, 30, 15);
  m.v.CCC3 = 7; m.v.II = 5;
  m.pf.setDrawWidth(5);
  figures::DrawGrid(m.P);
  EXPECT_TRUE(m.log.empty());
  EXPECT_EQ(m.v.GX1, 720);
  EXPECT_EQ(m.v.GY1, 130);
  EXPECT_EQ(m.v.GX2, 1200);
  EXPECT_EQ(m.v.GY2, 610);
  EXPECT_EQ(m.v.GX0, 720);
  EXPECT_EQ(m.v.GY0, 610);
  EXPECT_FLOAT_EQ(m.v.PI, 3.14159f);
  EXPECT_EQ(m.v.CCC3, 7);
  EXPECT_EQ(m.v.II, 5);
  EXPECT_EQ(m.pf.drawWidth(), 5);
}

TEST(Grid, LinesWithEveryFifthBoldThroughTheOrigin) {
  TestRun m;
  SetGrid(m.v, 440, 50, 11, 7, 70, 0);
  m.v.CCC3 = 3;
  m.pf.setDrawWidth(5);
  figures::DrawGrid(m.P);
  EXPECT_EQ(m.v.GX2, 1210);
  EXPECT_EQ(m.v.GY2, 540);
  EXPECT_EQ(m.v.GX0, 440);
  EXPECT_EQ(m.v.GY0, 540);
  EXPECT_EQ(m.v.CCC3, 14);
  EXPECT_EQ(m.pf.drawWidth(), 5);
  auto lines = m.shown(OpKind::Line);
  ASSERT_EQ(lines.size(), 12u + 8u);
  for (int i = 0; i <= 11; ++i) {  // verticals first, left to right
    const Op& l = lines[i];
    bool bold = i % 5 == 0;
    EXPECT_EQ(l.x1, 440 + 70 * i); EXPECT_EQ(l.x2, l.x1);
    EXPECT_EQ(l.y1, 50); EXPECT_EQ(l.y2, 540);
    EXPECT_EQ(l.width, bold ? 3 : 1) << "vertical " << i;
    EXPECT_EQ(l.colour, bold ? 14 : 0) << "vertical " << i;
  }
  for (int i = 0; i <= 7; ++i) {  // then horizontals, bottom to top
    const Op& l = lines[12 + i];
    bool bold = i % 5 == 0;
    EXPECT_EQ(l.y1, 540 - 70 * i); EXPECT_EQ(l.y2, l.y1);
    EXPECT_EQ(l.x1, 440); EXPECT_EQ(l.x2, 1210);
    EXPECT_EQ(l.width, bold ? 3 : 1) << "horizontal " << i;
    EXPECT_EQ(l.colour, bold ? 14 : 0) << "horizontal " << i;
  }
}

TEST(Grid, CountsOfNoneNegativeOrPartCells) {
  struct Case { float yoko, tate; size_t verticals, horizontals; float gx2; };
  const Case cases[] = {
      {0, 2, 1, 3, 100},      // one bold line at the left edge
      {-3, 2, 1, 3, 100 - 60},  // the line at the edge is still drawn
      {12.5f, 1, 13, 2, 100 + 250},  // lines 0 to 12, frame edge at 12.5 cells
  };
  for (const Case& c : cases) {
    TestRun m;
    SetGrid(m.v, 100, 100, c.yoko, c.tate, 20, 8);
    figures::DrawGrid(m.P);
    auto lines = m.log;
    size_t vertical = std::count_if(lines.begin(), lines.end(), [](const Op& o) { return o.y1 != o.y2; });
    EXPECT_EQ(vertical, c.verticals) << c.yoko;
    EXPECT_EQ(lines.size() - vertical, c.horizontals) << c.yoko;
    EXPECT_EQ(m.v.GX2, c.gx2);
    EXPECT_EQ(lines.back().x2, c.gx2);  // the horizontals run to the frame edge
    for (const Op& l : lines) EXPECT_EQ(l.colour, l.width == 3 ? 14 : 8) << c.yoko;
  }
}

TEST(Grid, HugeCellIsAnOverflow) {
  TestRun m;
  SetGrid(m.v, 100, 100, 1e30f, 5, 1e30f, 15);
  try {
    figures::DrawGrid(m.P);
    FAIL() << "no error";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.code, platform::Overflow);
  }
}

}  // namespace
}  // namespace figures_test
