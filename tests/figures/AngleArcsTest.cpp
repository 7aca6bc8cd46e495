// The angle mark: how many arcs at which radii, the filled sector, the sweep each covers,
// and what is left cleared and set afterwards.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

// Vertex (100, 100), arm 1 to the right, arm 2 straight up: arc ends 1 and 0.75.
void RightAngleAt100(shell::Vars& v) {
  v.ZX0 = 100; v.ZY0 = 100; v.ZX1 = 200; v.ZY1 = 100; v.ZX2 = 100; v.ZY2 = 0;
  v.CCC2 = 2; v.CCC3 = 12;
}

TEST(AngleArcs, ArcsSteppedInwardsFromTheSize) {
  struct Case { float honsu, nagasa; std::vector<float> radii; float honsuAfter; };
  const Case cases[] = {
      {1, 40, {32}, 1},
      {3, 50, {42, 34, 26}, 3},
      {7, 40, {32}, 1},  // above six counts as one
      {2.5f, 40, {32, 24}, 2.5f},
      {0.5f, 40, {32}, 0.5f},
      {6, 60, {52, 44, 36, 28, 20, 12}, 6},
  };
  for (const Case& c : cases) {
    TestRun m;
    RightAngleAt100(m.v);
    m.v.HONSU = c.honsu; m.v.NAGASA = c.nagasa;
    m.pf.setDrawWidth(4);
    figures::DrawAngleArcs(m.P);
    auto arcs = m.shown(OpKind::Circle);
    ASSERT_EQ(arcs.size(), c.radii.size()) << "HONSU " << c.honsu;
    for (size_t i = 0; i < arcs.size(); ++i) {
      EXPECT_FLOAT_EQ(arcs[i].r, c.radii[i]) << "HONSU " << c.honsu;
      EXPECT_EQ(arcs[i].colour, 12);
      EXPECT_EQ(arcs[i].fill, platform::kNoFill);
      EXPECT_EQ(arcs[i].width, 4);
      EXPECT_FLOAT_EQ(arcs[i].start, 0.75f);  // from arm 2 clockwise to arm 1 (end 1 is 0)
      EXPECT_FLOAT_EQ(arcs[i].end, 0);
    }
    EXPECT_EQ(m.v.HONSU, c.honsuAfter);
    EXPECT_FLOAT_EQ(m.v.NAGASA1, c.radii.back());
    EXPECT_EQ(m.v.II, c.radii.size() + 1);  // n + 1 after n arcs
    EXPECT_EQ(m.pf.drawWidth(), 4);
  }
}

TEST(AngleArcs, SectorForNoCount) {
  for (float honsu : {0.0f, -1.0f, -3.5f}) {
    TestRun m;
    RightAngleAt100(m.v);
    m.v.HONSU = honsu; m.v.NAGASA = 40; m.v.NAGASA1 = 99; m.v.II = 77;
    figures::DrawAngleArcs(m.P);
    auto shapes = m.shown(OpKind::Circle);
    ASSERT_EQ(shapes.size(), 1u) << honsu;
    EXPECT_FLOAT_EQ(shapes[0].r, 40);
    EXPECT_EQ(shapes[0].colour, 2);  // outlined in CCC2
    EXPECT_EQ(shapes[0].fill, 12);
    EXPECT_FLOAT_EQ(shapes[0].start, 0.75f);
    EXPECT_EQ(m.v.HONSU, honsu);
    EXPECT_EQ(m.v.NAGASA1, 99);  // untouched when the sector is drawn
    EXPECT_EQ(m.v.II, 77);
  }
}

TEST(AngleArcs, OtherSweepAndTheLabelBeyondTheMark) {
  TestRun m;
  RightAngleAt100(m.v);
  m.v.HONSU = 1; m.v.NAGASA = 40; m.v.ITI = -1; m.v.AAA_s = "270%"; m.v.AAAX = 3; m.v.MU_DO = 1;
  figures::DrawAngleArcs(m.P);
  auto arcs = m.shown(OpKind::Circle);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_FLOAT_EQ(arcs[0].start, 0);  // the three quarters from arm 1 clockwise round to arm 2
  EXPECT_FLOAT_EQ(arcs[0].end, 0.75f);
  // The bisector points down and to the left; the label stands 40 out along it.
  float c = std::cos(3.14159f * 5 / 4), s = std::sin(3.14159f * 5 / 4);
  auto glyphs = m.shown(OpKind::Text);
  ASSERT_FALSE(glyphs.empty());
  EXPECT_NEAR(glyphs[0].x1, 100 + 40 * c + m.v.LLT * (c / 2 - 0.5f) + 3, 0.01);  // measured as math text
  EXPECT_NEAR(glyphs[0].y1, 100 - 40 * s - 44 * (s / 2 + 0.5f), 0.01);
  EXPECT_EQ(glyphs[0].font.size, 15);  // drawn by the plain renderer
  EXPECT_EQ(m.v.ITI, 0);
  EXPECT_EQ(m.v.NAGASA, 0);
  EXPECT_EQ(m.v.AAAX, 0);
  EXPECT_EQ(m.v.MU_DO, 0);
  EXPECT_EQ(m.v.AAA_s, "");
  EXPECT_NEAR(m.v.HH5, 3.14159f * 5 / 4, 1e-5);
}

TEST(AngleArcs, NoLabelStillUsesUpTheInputs) {
  TestRun m;
  RightAngleAt100(m.v);
  m.v.HONSU = 1; m.v.NAGASA = 40; m.v.ITI = 1; m.v.AAAY = 4;
  figures::DrawAngleArcs(m.P);
  EXPECT_TRUE(m.shown(OpKind::Text).empty());
  EXPECT_EQ(m.v.NAGASA, 0);
  EXPECT_EQ(m.v.ITI, 0);
  EXPECT_EQ(m.v.AAAY, 0);
}

}  // namespace
}  // namespace figures_test
