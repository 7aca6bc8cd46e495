// Arc signs over a chord: the dots of the half-ellipse, its apex, the height rule, the side it
// bulges to, the label beyond the apex, and chords or steps on which no sign can be drawn.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

// The sign over the letters "AB" of running text: chord (100, 200) -> (154, 200).
void SignOverText(shell::Vars& v, float houkou) {
  v.ZX0 = 100; v.ZY0 = 200; v.ZX1 = 154; v.ZY1 = 200;
  v.TAKASA = -10; v.HOUKOU = houkou; v.HABA = 1; v.CCC2 = 5;
}

TEST(ArcSign, DotsOverTheLettersOfAnArc) {
  TestRun m;
  SignOverText(m.v, -1);
  m.pf.setDrawWidth(3);
  figures::DrawArcMark(m.P);
  auto dots = m.shown(OpKind::Circle);
  ASSERT_EQ(dots.size(), 181u);
  EXPECT_NEAR(dots.front().x1, 154, 1e-3);
  EXPECT_NEAR(dots.front().y1, 200, 1e-3);
  EXPECT_NEAR(dots[90].x1, 127, 1e-3);
  EXPECT_NEAR(dots[90].y1, 190, 1e-3);
  EXPECT_NEAR(dots.back().x1, 100, 1e-3);
  EXPECT_NEAR(dots.back().y1, 200, 1e-3);
  for (const Op& d : dots) {
    EXPECT_FLOAT_EQ(d.r, 0.5f);
    EXPECT_EQ(d.colour, 5);
    EXPECT_EQ(d.fill, 5);  // filled in its own colour
    EXPECT_EQ(d.width, 3);
    EXPECT_LE(d.y1, 200.001f);  // above the chord
    // on the half-ellipse with semi-axes 27 along the chord and 10 across it
    float ex = (d.x1 - 127) / 27, ey = (d.y1 - 200) / 10;
    EXPECT_NEAR(ex * ex + ey * ey, 1, 1e-3);
  }
  EXPECT_NEAR(m.v.ZX0, 127, 1e-3);  // the apex
  EXPECT_NEAR(m.v.ZY0, 190, 1e-3);
  EXPECT_NEAR(m.v.ZX, 127, 1e-3);
  EXPECT_NEAR(m.v.ZY, 190, 1e-3);
  EXPECT_EQ(m.v.ZX1, 100);  // the chord's start
  EXPECT_EQ(m.v.ZY1, 200);
  EXPECT_EQ(m.v.ZX2, 154);  // its end
  EXPECT_EQ(m.v.ZY2, 200);
  EXPECT_EQ(m.v.TAKASA, 10);
  EXPECT_EQ(m.v.CX, 54);
  EXPECT_EQ(m.v.RR, 27);
  EXPECT_TRUE(m.shown(OpKind::Text).empty());
}

TEST(ArcSign, RightSideBulgesBelowTheChord) {
  TestRun m;
  SignOverText(m.v, 1);
  figures::DrawArcMark(m.P);
  auto dots = m.shown(OpKind::Circle);
  ASSERT_EQ(dots.size(), 181u);
  EXPECT_NEAR(dots.front().x1, 100, 1e-3);  // from 180 degrees round to 360
  EXPECT_NEAR(dots.back().x1, 154, 1e-3);
  for (const Op& d : dots) EXPECT_GE(d.y1, 199.999f);
  EXPECT_NEAR(m.v.ZX0, 127, 1e-3);
  EXPECT_NEAR(m.v.ZY0, 210, 1e-3);
}

TEST(ArcSign, HeightRuleAndStepCounts) {
  struct Case { float takasa, haba; float height; size_t dots; };
  const Case cases[] = {
      {-10, 1, 10, 181}, {10, 5, 160, 37}, {16, 5, 16, 37}, {20, 7, 20, 26}, {0, 5, 0, 37}, {1, 3, 16, 61},
  };
  for (const Case& c : cases) {
    TestRun m;
    SignOverText(m.v, -1);
    m.v.TAKASA = c.takasa; m.v.HABA = c.haba;
    figures::DrawArcMark(m.P);
    EXPECT_EQ(m.v.TAKASA, c.height) << c.takasa;
    EXPECT_EQ(m.shown(OpKind::Circle).size(), c.dots) << "HABA " << c.haba;
    EXPECT_NEAR(m.v.ZY0, 200 - c.height, 1e-3) << c.takasa;
  }
}

// The sides are taken along the direction of travel, and the sign turns with the chord.
TEST(ArcSign, SideAndTurnFollowTheChord) {
  struct Case { const char* name; float x0, y0, x1, y1, houkou, apexX, apexY; };
  const Case cases[] = {
      {"right to left, left side", 154, 200, 100, 200, -1, 127, 220},
      {"downwards, left side", 300, 100, 300, 200, -1, 320, 150},
      {"upwards, right side", 300, 200, 300, 100, 1, 320, 150},
      {"slanting", 0, 0, 60, 80, -1, 30 + 16, 40 - 12},
  };
  for (const Case& c : cases) {
    TestRun m;
    m.v.ZX0 = c.x0; m.v.ZY0 = c.y0; m.v.ZX1 = c.x1; m.v.ZY1 = c.y1;
    m.v.TAKASA = 20; m.v.HOUKOU = c.houkou; m.v.HABA = 5;
    figures::DrawArcMark(m.P);
    EXPECT_NEAR(m.v.ZX0, c.apexX, 1e-3) << c.name;
    EXPECT_NEAR(m.v.ZY0, c.apexY, 1e-3) << c.name;
  }
}

// Sides 1 and -1 set the label just beyond the apex; a left side given as 0 or -2 leaves the
// arms unexchanged, so the label hangs from the apex inside the sign.
TEST(ArcSign, LabelAtTheApex) {
  struct Case { float houkou; float top; };
  for (Case c : {Case{-1, 190 - 44}, Case{1, 210}, Case{0, 190}, Case{-2, 190}}) {
    TestRun m;
    SignOverText(m.v, c.houkou);
    m.v.AAA_s = "a"; m.v.AAAX = 2; m.v.NAGASA = 9;
    figures::DrawArcMark(m.P);
    auto texts = m.shown(OpKind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_NEAR(m.v.Y, c.top, 1e-2) << c.houkou;
    EXPECT_NEAR(m.v.X - m.v.LLT, 127 - m.v.LLT / 2 + 2, 1e-2) << c.houkou;  // centred on the apex
    EXPECT_EQ(m.v.AAA_s, "");
    EXPECT_EQ(m.v.ITI, 0);
    EXPECT_EQ(m.v.NAGASA, 0);
    EXPECT_EQ(m.v.AAAX, 0);
  }
}

// A chord of no length, or no step between the dots: no sign, but the label step still runs.
TEST(ArcSign, NoSignOverAPointOrWithoutAStep) {
  struct Case { const char* name; float x1, haba; };
  const Case cases[] = {{"step 0", 154, 0}, {"negative step", 154, -5}, {"chord of no length", 100, 1}};
  for (const Case& c : cases) {
    TestRun m;
    SignOverText(m.v, -1);
    m.v.ZX1 = c.x1; m.v.HABA = c.haba; m.v.TAKASA = 2;
    m.v.AAA_s = "a"; m.v.AAAY = 5; m.v.ITI = 3; m.v.NAGASA = 7; m.v.MU_DO = 1;
    figures::DrawArcMark(m.P);
    EXPECT_TRUE(m.shown(OpKind::Circle).empty()) << c.name;
    EXPECT_EQ(m.v.ZX0, 100) << c.name;  // the apex is the chord's start
    EXPECT_EQ(m.v.ZY0, 200) << c.name;
    EXPECT_EQ(m.v.ZX2, c.x1) << c.name;
    EXPECT_EQ(m.v.TAKASA, 32) << c.name;
    EXPECT_EQ(m.v.DY, 22) << c.name;
    EXPECT_EQ(m.v.AAA_s, "") << c.name;
    EXPECT_EQ(m.v.AAAY, 0) << c.name;
    EXPECT_EQ(m.v.ITI, 0) << c.name;
    EXPECT_EQ(m.v.NAGASA, 0) << c.name;
    EXPECT_EQ(m.v.MU_DO, 0) << c.name;
  }
}

// A step between dots too fine to move a float angle on: one dot, and the sign still ends.
TEST(ArcSign, AStepTooFineToMoveTheAngleEndsTheDots) {
  TestRun m;
  SignOverText(m.v, 1);
  m.v.HABA = 1e-6f;
  figures::DrawArcMark(m.P);
  EXPECT_EQ(m.shown(OpKind::Circle).size(), 1u);
  EXPECT_NEAR(m.v.ZX0, 127, 1e-3);  // the apex, below the chord
  EXPECT_NEAR(m.v.ZY0, 210, 1e-3);
}

}  // namespace
}  // namespace figures_test
