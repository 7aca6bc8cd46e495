// Arrows with open heads at one end or both, and the run and rise arrows of a slope triangle
// with their texts and labels.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/Plane.h"
#include "support/MathTextLog.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::HasMathText;
using testsupport::TestRun;

namespace {

using Seg = std::vector<float>;  // x1, y1, x2, y2

std::vector<Seg> Segments(const TestRun& run) {
  std::vector<Seg> out;
  for (const Op& op : run.ops(OpKind::Line)) out.push_back({op.x1, op.y1, op.x2, op.y2});
  return out;
}

struct ArrowCase {
  const char* name;
  float x0, y0, x, y, muki, ya;
  std::vector<Seg> lines;  // shaft, then the strokes of each head
  float tipX, tipY, yaAfter;
};

TEST(DrawArrow, ShaftAndOpenHeads) {
  const ArrowCase cases[] = {
      {"head at the second end", 100, 200, 300, 200, 0, 0,
       {{100, 200, 300, 200}, {284, 208, 300, 200}, {284, 192, 300, 200}}, 300, 200, 0},
      {"head at the first end", 100, 200, 300, 200, -1, 0,
       {{300, 200, 100, 200}, {116, 192, 100, 200}, {116, 208, 100, 200}}, 100, 200, 0},
      {"pointing up the page", 300, 200, 300, 100, 0, 1,
       {{300, 200, 300, 100}, {308, 116, 300, 100}, {292, 116, 300, 100}}, 300, 100, 1},
      {"both ends", 100, 200, 300, 200, 0, 2,
       {{100, 200, 300, 200}, {284, 208, 300, 200}, {284, 192, 300, 200},
        {300, 200, 100, 200}, {116, 192, 100, 200}, {116, 208, 100, 200}}, 100, 200, 0},
      {"both ends, first end first", 100, 200, 300, 200, -1, 2,
       {{300, 200, 100, 200}, {116, 192, 100, 200}, {116, 208, 100, 200},
        {100, 200, 300, 200}, {284, 208, 300, 200}, {284, 192, 300, 200}}, 300, 200, 0},
      // No direction, no head: the shaft alone shows as a dot.
      {"ends on one point", 150, 150, 150, 150, 0, 2, {{150, 150, 150, 150}, {150, 150, 150, 150}}, 150, 150, 0},
  };
  for (const ArrowCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    v.ZX0 = k.x0, v.ZY0 = k.y0, v.ZX = k.x, v.ZY = k.y, v.MUKI = k.muki, v.YA = k.ya;
    v.NAGASA = 16, v.CCC2 = 6;
    run.pf.setDrawWidth(2);
    geometry::DrawArrow(run.P);
    auto segs = Segments(run);
    ASSERT_EQ(segs.size(), k.lines.size());
    for (size_t i = 0; i < segs.size(); ++i)
      for (int j = 0; j < 4; ++j) EXPECT_NEAR(segs[i][j], k.lines[i][j], 1e-3) << "line " << i;
    for (const Op& op : run.log) {
      EXPECT_EQ(op.colour, 6);
      EXPECT_EQ(op.width, 2);
    }
    EXPECT_EQ(v.ZX0, k.tipX);
    EXPECT_EQ(v.ZY0, k.tipY);
    EXPECT_EQ(v.MUKI, 0);
    EXPECT_EQ(v.YA, k.yaAfter);
    EXPECT_EQ(run.pf.drawWidth(), 2);
  }
}

struct IncrementCase {
  const char* name;
  float x3, y3, x4, y4;
  const char* labels;
  const char *run, *rise;
  std::vector<Seg> shafts;  // run arrow, rise arrow
  float runLabelY;          // 0: no run label
  bool riseLabel;
};

TEST(IncrementArrows, RunAndRiseArrowsWithTheirTexts) {
  const IncrementCase cases[] = {
      {"exchanged points", 460, 440, 400, 500, "yy", "2", "2", {{400, 500, 460, 500}, {460, 500, 460, 440}}, 456, true},
      {"falling", 400, 500, 460, 515, "yy", "2", "-0.5", {{400, 500, 460, 500}, {460, 500, 460, 515}}, 500, true},
      {"half a cell up", 400, 500, 460, 485, "n", "2", "0.5", {{400, 500, 460, 500}, {460, 500, 460, 485}}, 0, false},
      {"half a cell across", 400, 500, 415, 470, "ny", ".5", "1", {{400, 500, 415, 500}, {415, 500, 415, 470}}, 0, true},
      {"capital Y asks for nothing", 400, 500, 460, 440, "Yy", "2", "2", {{400, 500, 460, 500}, {460, 500, 460, 440}}, 0,
       true},
      // A vertical line: the run arrow has no length and no head; the rest carries on.
      {"no run", 400, 500, 400, 440, "yy", "0", "2", {{400, 500, 400, 500}, {400, 500, 400, 440}}, 456, true},
  };
  for (const IncrementCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    v.GX3 = k.x3, v.GY3 = k.y3, v.GX4 = k.x4, v.GY4 = k.y4, v.SIZE = 30;
    v.HYOUJI_s = k.labels;
    geometry::IncrementArrows(run.P);
    EXPECT_EQ(v.X_s, k.run);
    EXPECT_EQ(v.Y_s, k.rise);
    EXPECT_LE(v.GX3, v.GX4);
    auto segs = Segments(run);
    ASSERT_GE(segs.size(), 2u);
    EXPECT_EQ(segs[0], k.shafts[0]);
    EXPECT_EQ(run.ops(OpKind::Line)[0].colour, 7);
    // The rise arrow follows the run arrow's shaft and its two strokes, when it has a head.
    size_t rise = k.shafts[0][0] == k.shafts[0][2] ? 1 : 3;
    EXPECT_EQ(segs[rise], k.shafts[1]);
    EXPECT_EQ(run.ops(OpKind::Line)[rise].colour, 3);
    for (const Op& op : run.ops(OpKind::Line)) EXPECT_EQ(op.width, 5);
    float mid = (v.GX3 + v.GX4) / 2 - 14;
    EXPECT_EQ(HasMathText(run.log, k.run, mid, k.runLabelY, 7), k.runLabelY != 0);
    EXPECT_EQ(HasMathText(run.log, k.rise, v.GX4, (v.GY3 + v.GY4) / 2 - 16, 3), k.riseLabel);
    EXPECT_EQ(run.pf.drawWidth(), 5);
    EXPECT_EQ(v.CCC2, 3);
    EXPECT_EQ(v.NAGASA, 16);
    EXPECT_EQ(v.MUKI, 0);
  }
}

TEST(IncrementArrows, ALeftOverTwoHeadSwitchGoesToTheRunArrow) {
  TestRun run;
  auto& v = run.v;
  v.GX3 = 400, v.GY3 = 500, v.GX4 = 460, v.GY4 = 440, v.SIZE = 30, v.YA = 2;
  geometry::IncrementArrows(run.P);
  EXPECT_EQ(Segments(run).size(), 9u);
  EXPECT_EQ(v.YA, 0);
}

}  // namespace
}  // namespace geometry_test
