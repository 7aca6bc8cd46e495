// Corner marks and vertex labels: the mark's three points, where the label box stands for each
// direction of the bisector, fractions, and the one-shot inputs every label uses up.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void SetAngle(shell::Vars& v, float x0, float y0, float x1, float y1, float x2, float y2) {
  v.ZX0 = x0; v.ZY0 = y0; v.ZX1 = x1; v.ZY1 = y1; v.ZX2 = x2; v.ZY2 = y2;
}

TEST(CornerMark, FarSidesOfTheParallelogramOnTheArms) {
  struct Case { const char* name; float x2, y2, iti; std::vector<std::pair<float, float>> pts; };
  const Case cases[] = {
      {"right angle", 200, 100, 0, {{220, 300}, {220, 280}, {200, 280}}},
      {"right angle, arms exchanged", 200, 100, -1, {{200, 280}, {220, 280}, {220, 300}}},
      {"120 degrees", 100, 300 - 173.20508f, 0, {{220, 300}, {210, 300 - 17.320508f}, {190, 300 - 17.320508f}}},
  };
  for (const Case& c : cases) {
    TestRun m;
    SetAngle(m.v, 200, 300, 400, 300, c.x2, c.y2);
    m.v.NAGASA = 20; m.v.ITI = c.iti; m.v.CCC2 = 4;
    m.pf.setDrawWidth(2);
    figures::DrawCornerMark(m.P);
    auto marks = m.shown(OpKind::Polyline);
    ASSERT_EQ(marks.size(), 1u) << c.name;
    ASSERT_EQ(marks[0].points.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(marks[0].points[i].first, c.pts[i].first, 1e-3) << c.name << " point " << i;
      EXPECT_NEAR(marks[0].points[i].second, c.pts[i].second, 1e-3) << c.name << " point " << i;
    }
    EXPECT_EQ(marks[0].colour, 4);
    EXPECT_EQ(marks[0].width, 2);
    EXPECT_NEAR(m.v.ZX5, c.pts[1].first, 1e-3);
    EXPECT_NEAR(m.v.ZY5, c.pts[1].second, 1e-3);
    // A corner mark clears nothing.
    EXPECT_EQ(m.v.NAGASA, 20);
    EXPECT_EQ(m.v.ITI, c.iti);
  }
}

// Where the label's box stands (left edge and top) for a bisector pointing each way.
TEST(VertexLabel, BoxStandsBeyondTheGapAlongTheBisector) {
  struct Case {
    const char* name;
    float x1, y1, x2, y2;  // arms from the vertex (300, 300)
    float left, top;       // expected, with w the label's width: left = a + b·w
    float widthShare;
  };
  const Case cases[] = {
      {"bisector right", 400, 400, 400, 200, 308, 278, 0},
      {"bisector left", 300, 200, 300, 400, 292, 278, -1},
      {"bisector up", 400, 300, 200, 300, 300, 248, -0.5f},
      {"bisector down", 200, 300, 400, 300, 300, 308, -0.5f},
  };
  for (const Case& c : cases) {
    TestRun m;
    SetAngle(m.v, 300, 300, c.x1, c.y1, c.x2, c.y2);
    m.v.AAA_s = "AB"; m.v.NAGASA = 8; m.v.CCC1 = 0;
    figures::PlaceVertexLabel(m.P);
    float w = m.v.LLT;
    ASSERT_GT(w, 0) << c.name;
    EXPECT_NEAR(m.v.X - w, c.left + c.widthShare * w, 0.01) << c.name;  // X is left past the label
    EXPECT_NEAR(m.v.Y, c.top, 0.01) << c.name;
    EXPECT_EQ(m.v.DY, 22);
    EXPECT_FALSE(m.shown(OpKind::Text).empty()) << c.name;
  }
}

TEST(VertexLabel, FractionStandsInATallerBox) {
  TestRun m;
  SetAngle(m.v, 300, 300, 400, 400, 400, 200);  // bisector right
  m.v.AAA_s = "xﾀ1/2ﾀ"; m.v.NAGASA = 8;
  figures::PlaceVertexLabel(m.P);
  EXPECT_EQ(m.v.N1, 2);
  EXPECT_EQ(m.v.DY, 40);
  EXPECT_NEAR(m.v.Y, 300 - 40, 0.01);  // centred on the bisector in a box 80 high
}

TEST(VertexLabel, OffsetsAndSidesAndTheInputsItUsesUp) {
  TestRun m;
  SetAngle(m.v, 300, 300, 400, 300, 200, 300);  // bisector up
  m.v.AAA_s = "P"; m.v.NAGASA = 8; m.v.AAAX = 5; m.v.AAAY = -7; m.v.ITI = 1;
  figures::PlaceVertexLabel(m.P);
  EXPECT_NEAR(m.v.Y, 300 - 8 - 44 - 7, 0.01);
  EXPECT_NEAR(m.v.X - m.v.LLT, 300 - m.v.LLT / 2 + 5, 0.01);
  EXPECT_EQ(m.v.ITI, 0);
  EXPECT_EQ(m.v.NAGASA, 0);
  EXPECT_EQ(m.v.AAAX, 0);
  EXPECT_EQ(m.v.AAAY, 0);
  EXPECT_EQ(m.v.AAA_s, "");
  EXPECT_EQ(m.v.AA_s, "");
  EXPECT_EQ(m.v.A_s, "P");

  // The next label, with no inputs set again, sits against the vertex on the usual side.
  m.v.AAA_s = "P";
  figures::PlaceVertexLabel(m.P);
  EXPECT_NEAR(m.v.Y, 300 - 44, 0.01);

  // ITI -1 takes the other sweep: the same arms put the label below the vertex.
  m.v.AAA_s = "P"; m.v.NAGASA = 8; m.v.ITI = -1;
  figures::PlaceVertexLabel(m.P);
  EXPECT_NEAR(m.v.Y, 308, 0.01);
}

TEST(VertexLabel, EmptyLabelDrawsNothingButIsPlacedAndUsedUp) {
  TestRun m;
  SetAngle(m.v, 300, 300, 400, 400, 400, 200);  // bisector right
  m.v.AAA_s = ""; m.v.NAGASA = 30; m.v.ITI = 1; m.v.DY = 5;
  figures::PlaceVertexLabel(m.P);
  EXPECT_TRUE(m.shown(OpKind::Text).empty());
  EXPECT_EQ(m.v.LLT, 0);
  EXPECT_NEAR(m.v.X, 330, 0.01);  // where the label would stand
  EXPECT_NEAR(m.v.Y, 278, 0.01);
  EXPECT_EQ(m.v.DY, 22);
  EXPECT_EQ(m.v.NAGASA, 0);
  EXPECT_EQ(m.v.ITI, 0);
}

// MU_DO exactly 1 draws the label with the plain renderer (size 15), measured as usual.
TEST(VertexLabel, PlainRendererOnlyWhenAskedExactly) {
  struct Case { float mudo; float size; };
  for (Case c : {Case{1, 15}, Case{0, 16}, Case{2, 16}}) {
    TestRun m;
    SetAngle(m.v, 300, 300, 400, 400, 400, 200);
    m.v.AAA_s = "A"; m.v.NAGASA = 8; m.v.MU_DO = c.mudo;
    figures::PlaceVertexLabel(m.P);
    auto texts = m.shown(OpKind::Text);
    ASSERT_FALSE(texts.empty()) << c.mudo;
    EXPECT_EQ(texts[0].font.size, c.size) << "MU_DO " << c.mudo;
    EXPECT_NEAR(m.v.Y, 278, 0.01);
    EXPECT_EQ(m.v.MU_DO, 0);
  }
}

}  // namespace
}  // namespace figures_test
