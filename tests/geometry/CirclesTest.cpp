// The radical axis of two circles and the points where a line cuts a circle: their order,
// tangents (rounding included) and lines that miss.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/Lines.h"
#include "platform/Errors.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct Circle {
  float x, y, r;
};

void SetCircle(shell::Vars& v, Circle c) { v.X1 = c.x, v.Y1 = c.y, v.RR1 = c.r; }

TEST(RadicalAxis, TwoCirclesMeetOnTheirCommonChord) {
  TestRun run;
  auto& v = run.v;
  SetCircle(v, {970, 300, 200});
  v.X2 = 845, v.Y2 = 300, v.RR2 = 125;
  geometry::RadicalAxis(run.P);
  EXPECT_EQ(v.A, -250);
  EXPECT_EQ(v.B, 0);
  EXPECT_EQ(v.C, 202500);
  // At the first centre: the second power minus the first, less the squared distance.
  EXPECT_EQ(v.A * v.X1 + v.B * v.Y1 + v.C, 125.0f * 125 - 200.0f * 200 - 125.0f * 125);
  geometry::CircleLineIntersection(run.P);
  EXPECT_EQ(v.D, 40000);
  // The first centre lies right of the second: the first point is the lower on the page.
  EXPECT_FLOAT_EQ(v.X3, 810);
  EXPECT_FLOAT_EQ(v.Y3, 420);
  EXPECT_FLOAT_EQ(v.X4, 810);
  EXPECT_FLOAT_EQ(v.Y4, 180);
  EXPECT_TRUE(run.log.empty());
}

struct CutCase {
  const char* name;
  Circle circle;
  float a, b, c;
  float d;
  float x3, y3, x4, y4;
};

TEST(CircleLineIntersection, PointsInTheirFixedOrder) {
  const float h = 200 / std::sqrt(2.0f);
  const CutCase cases[] = {
      // A*X1 + B*Y1 + C positive (the line above the centre on the page) and negative.
      {"y = 200", {990, 350, 200}, 0, 1, -200, -150, 1122.2876f, 200, 857.7124f, 200},
      {"y = 500", {990, 350, 200}, 0, 1, -500, 150, 1122.2876f, 500, 857.7124f, 500},
      {"y = 500 negated", {990, 350, 200}, 0, -1, 500, -150, 857.7124f, 500, 1122.2876f, 500},
      // Written by its slope (B = -1): the first point has the smaller x.
      {"through the centre", {990, 350, 200}, 1, -1, -640, 0, 990 - h, 350 - h, 990 + h, 350 + h},
      {"tangent", {990, 350, 200}, 0, 1, -150, -200, 990, 150, 990, 150},
  };
  for (const CutCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    SetCircle(v, k.circle);
    v.A = k.a, v.B = k.b, v.C = k.c;
    geometry::CircleLineIntersection(run.P);
    EXPECT_FLOAT_EQ(v.D, k.d);
    EXPECT_NEAR(v.X3, k.x3, 2e-3);
    EXPECT_NEAR(v.Y3, k.y3, 2e-3);
    EXPECT_NEAR(v.X4, k.x4, 2e-3);
    EXPECT_NEAR(v.Y4, k.y4, 2e-3);
    EXPECT_EQ(v.A, k.a);
    EXPECT_EQ(v.C, k.c);
  }
}

// A circle and a line A*x + B*y + C = 0 to cut it with.
struct CircleAndLine {
  const char* name;
  Circle circle;
  float a, b, c;
};

void SetCircleAndLine(shell::Vars& v, const CircleAndLine& k) {
  SetCircle(v, k.circle);
  v.A = k.a, v.B = k.b, v.C = k.c;
}

TEST(CircleLineIntersection, ATangentNegativeOnlyByRoundingGivesItsPointTwice) {
  const CircleAndLine tangents[] = {
      {"large circle", {803, 466, 52}, -154, -315, 252219.266f},
      {"small circle far out, by its slope", {1242.80493f, 607.596069f, 2.05819798f}, -0.000532301317f, -1,
       610.315857f},
  };
  for (const CircleAndLine& k : tangents) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    SetCircleAndLine(v, k);
    // Made in floats, the radicand comes out a little below zero.
    float d = v.A * v.X1 + v.B * v.Y1 + v.C;
    ASSERT_LT(v.RR1 * v.RR1 * (v.A * v.A + v.B * v.B), d * d);
    geometry::CircleLineIntersection(run.P);
    EXPECT_EQ(v.X3, v.X4);
    EXPECT_EQ(v.Y3, v.Y4);
    EXPECT_NEAR(std::hypot(v.X3 - k.circle.x, v.Y3 - k.circle.y), k.circle.r, 1e-2);
  }
}

TEST(CircleLineIntersection, NoLineOrALineThatMissesIsAnIllegalCall) {
  const CircleAndLine misses[] = {
      {"a unit beyond the circle", {990, 350, 200}, 0, 1, -149},
      {"far away", {990, 350, 200}, 1, 1, 5000},
      {"no line at all", {990, 350, 200}, 0, 0, 3},
      // Far from the origin, a small circle's miss is small beside the terms that make D.
      {"two units beyond a small circle", {990, 890, 5}, 0, 1, -897},
      {"a unit beyond a small circle, by its slope", {1300, 800, 4}, 1, -1, -500 + 1.4142135f * 5},
  };
  for (const CircleAndLine& m : misses) {
    SCOPED_TRACE(m.name);
    TestRun run;
    auto& v = run.v;
    SetCircleAndLine(v, m);
    v.X3 = v.Y3 = v.X4 = v.Y4 = 9;
    try {
      geometry::CircleLineIntersection(run.P);
      ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError& e) {
      EXPECT_EQ(e.code, platform::IllegalFunctionCall);
    }
    EXPECT_EQ(v.X3 + v.Y3 + v.X4 + v.Y4, 36);
  }
}

}  // namespace
}  // namespace geometry_test
