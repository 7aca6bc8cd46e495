// Directions of arms, arc ends and bisectors, vector directions and angle sizes in degrees,
// on the points of the lessons' own figures.
#include <gtest/gtest.h>

#include <cmath>

#include "figures/Marks.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

constexpr float kPi = 3.14159f;  // the value the routines set, not the true one

void SetAngle(shell::Vars& v, float x0, float y0, float x1, float y1, float x2, float y2, float iti) {
  v.ZX0 = x0; v.ZY0 = y0; v.ZX1 = x1; v.ZY1 = y1; v.ZX2 = x2; v.ZY2 = y2; v.ITI = iti;
}

TEST(ArmDirections, OneArmGivesItsDirectionAndArcEnd) {
  struct Case { const char* name; float x1, y1, dir, end; };
  const Case cases[] = {
      {"right", 200, 100, 0, 1},
      {"left", 0, 100, kPi, 0.5f},
      {"up", 100, 0, kPi / 2, 0.75f},
      {"down", 100, 200, kPi * 3 / 2, 0.25f},
      {"on the vertex", 100, 100, kPi, 0.5f},
      {"up and right", 200, 0, kPi / 4, 0.875f},
  };
  for (const Case& c : cases) {
    TestRun m;
    SetAngle(m.v, 100, 100, c.x1, c.y1, 200, 100, 0);
    figures::ComputeArmAngles(m.P);
    EXPECT_NEAR(m.v.HH3, c.dir, 1e-5) << c.name;
    EXPECT_NEAR(m.v.HH1, c.end, 1e-5) << c.name;
    EXPECT_FLOAT_EQ(m.v.PI, kPi);
  }
}

TEST(ArmDirections, ArcEndsAndBisectorOfBothSweeps) {
  struct Case { float x1, y1, x2, y2, iti, hh1, hh2, hh3, hh4, hh5; };
  const Case cases[] = {
      // vertex (100, 100), arm 1 right, arm 2 up: the quarter between them
      {200, 100, 100, 0, 0, 1, 0.75f, 0, kPi / 2, kPi / 4},
      {200, 100, 100, 0, 1, 1, 0.75f, 0, kPi / 2, kPi / 4},
      // the same arms with the other sweep marked
      {200, 100, 100, 0, -1, 0.75f, 1, kPi / 2, 0, kPi * 5 / 4},
      // only -1 exchanges the arms
      {200, 100, 100, 0, -2, 1, 0.75f, 0, kPi / 2, kPi / 4},
      // arm 1 at 300 degrees, arm 2 at 60: the sweep through the right, bisector pointing right
      {150, 186.6025f, 150, 13.3975f, 0, 1 - 300.0f / 360, 1 - 60.0f / 360, kPi * 5 / 3, kPi / 3, 2 * kPi},
      // both arms one way: the bisector is that way
      {200, 0, 300, -100, 0, 0.875f, 0.875f, kPi / 4, kPi / 4, kPi / 4},
  };
  for (const Case& c : cases) {
    TestRun m;
    SetAngle(m.v, 100, 100, c.x1, c.y1, c.x2, c.y2, c.iti);
    figures::ComputeArmAngles(m.P);
    SCOPED_TRACE(testing::Message() << "arms (" << c.x1 << "," << c.y1 << ") (" << c.x2 << "," << c.y2 << ") ITI " << c.iti);
    EXPECT_NEAR(m.v.HH1, c.hh1, 1e-4);
    EXPECT_NEAR(m.v.HH2, c.hh2, 1e-4);
    EXPECT_NEAR(m.v.HH3, c.hh3, 1e-4);
    EXPECT_NEAR(m.v.HH4, c.hh4, 1e-4);
    EXPECT_NEAR(m.v.HH5, c.hh5, 1e-4);
    EXPECT_NEAR(m.v.HHP, c.iti == -1 ? c.hh3 : c.hh4, 1e-4);  // arm 2's direction before any exchange
    EXPECT_EQ(m.v.ITI, c.iti);  // read, never changed
  }
}

// The lesson's inscribed angle: A, B and C on a circle at 120, 206 and 300 degrees, angle at A.
TEST(ArmDirections, InscribedAngleOfTheLessonFigure) {
  TestRun m;
  auto at = [](float deg, float& x, float& y) {
    x = 650 + 210 * std::cos(deg * kPi / 180);
    y = 400 - 210 * std::sin(deg * kPi / 180);
  };
  at(120, m.v.ZX0, m.v.ZY0);
  at(206, m.v.ZX1, m.v.ZY1);
  at(300, m.v.ZX2, m.v.ZY2);
  figures::ComputeArmAngles(m.P);
  EXPECT_NEAR(m.v.HH3 * 180 / kPi, 253, 1e-3);
  EXPECT_NEAR(m.v.HH4 * 180 / kPi, 300, 1e-3);
  EXPECT_NEAR(m.v.HH2, 0.1667f, 1e-4);  // the arc's start
  EXPECT_NEAR(m.v.HH1, 0.2972f, 1e-4);  // its end
  EXPECT_NEAR(m.v.HH5 * 180 / kPi, 276.5f, 1e-3);
  figures::MeasureAngleDegrees(m.P);
  EXPECT_EQ(m.v.KAKUDO_s, "47");
  EXPECT_EQ(m.v.A_s, "47");
}

TEST(AngleDegrees, TextRoundedToTheNearestTenth) {
  struct Case { float deg; int iti; const char* text; };
  const Case cases[] = {
      {90, 0, "90"},  {90, -1, "270"}, {46.96f, 0, "47"}, {12.34f, 0, "12.3"},
      {12.36f, 0, "12.4"}, {0, 0, "0"}, {135.5f, 0, "135.5"},
  };
  for (const Case& c : cases) {
    TestRun m;
    float r = c.deg * static_cast<float>(M_PI) / 180;
    SetAngle(m.v, 100, 100, 200, 100, 100 + 100 * std::cos(r), 100 - 100 * std::sin(r), c.iti);
    figures::MeasureAngleDegrees(m.P);
    float expected = c.iti == -1 ? 360 - c.deg : c.deg;
    EXPECT_NEAR(m.v.HH, expected, 2e-3) << c.deg;
    EXPECT_NEAR(m.v.HH5, expected * kPi / 180, 1e-4) << c.deg;
    EXPECT_EQ(m.v.KAKUDO_s, c.text) << c.deg;
  }
}

TEST(VectorAngle, DirectionInRadiansAndDegrees) {
  TestRun m;
  m.v.HH1 = 7;
  m.v.ZX0 = 0; m.v.ZY0 = 0; m.v.ZX1 = 10; m.v.ZY1 = -10;
  figures::VectorAngle(m.P);
  EXPECT_NEAR(m.v.HHP, kPi / 4, 1e-5);
  EXPECT_NEAR(m.v.HH, 45, 1e-3);
  EXPECT_FLOAT_EQ(m.v.PI, kPi);
  EXPECT_EQ(m.v.HH1, 7);  // nothing else is touched
  m.v.ZX1 = -10; m.v.ZY1 = 10;
  figures::VectorAngle(m.P);
  EXPECT_NEAR(m.v.HH, 225, 1e-3);
}

}  // namespace
}  // namespace figures_test
