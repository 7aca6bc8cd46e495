// Points of a line at a given x or y, and points on the arc standing on a segment.
#include <gtest/gtest.h>

#include "geometry/Plane.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct LinePointCase {
  const char* name;
  float ax, ay, bx, by, cx, cy;
  float x1, y1;
};

TEST(PointOnLine, TheGivenCoordinateAndTheOneAskedFor) {
  const LinePointCase cases[] = {
      {"x given", 100, 400, 300, 300, 200, -1, 200, 350},
      {"y given", 100, 400, 300, 300, -1, 325, 250, 325},
      {"x 0 given", 100, 400, 300, 300, 0, -1, 0, 450},
      {"both marked: the x decides", 100, 400, 300, 300, -2, -1, -2, 451},
      {"nothing marked: unchanged", 100, 400, 300, 300, 10, 10, 7, 7},
      {"vertical", 100, 400, 100, 300, -1, 350, 100, 350},
      {"horizontal", 100, 400, 300, 400, 250, -1, 250, 400},
  };
  for (const LinePointCase& k : cases) {
    SCOPED_TRACE(k.name);
    TestRun run;
    auto& v = run.v;
    v.AX = k.ax, v.AY = k.ay, v.BX = k.bx, v.BY = k.by, v.CX = k.cx, v.CY = k.cy;
    v.X1 = v.Y1 = 7;
    geometry::PointOnLine(run.P);
    EXPECT_FLOAT_EQ(v.X1, k.x1);
    EXPECT_FLOAT_EQ(v.Y1, k.y1);
  }
}

TEST(PointOnLine, SlopeAndInterceptOnlyForASlopedLine) {
  TestRun run;
  auto& v = run.v;
  v.AX = 100, v.AY = 400, v.BX = 300, v.BY = 300, v.CX = 200, v.CY = -1;
  geometry::PointOnLine(run.P);
  EXPECT_EQ(v.A, -0.5f);
  EXPECT_EQ(v.B, 450);
  v.A = v.B = 3;
  v.BY = 400;
  geometry::PointOnLine(run.P);
  EXPECT_EQ(v.A + v.B, 6);
}

struct ArcCase {
  float x0, y0, x1, y1, takasa, kakudo;
  float zx, zy;
};

TEST(PointOnArcOverSegment, PointsRoundTheLeftHandSide) {
  const ArcCase cases[] = {
      {100, 100, 200, 100, 20, 90, 150, 80},
      {100, 100, 200, 100, 20, 270, 150, 120},
      {100, 100, 200, 100, 20, 0, 200, 100},
      {100, 100, 200, 100, 20, 180, 100, 100},
      {100, 100, 200, 100, 50, 45, 185.3553f, 64.6447f},
      {200, 100, 100, 100, 20, 90, 150, 120},
      {100, 100, 100, 0, 20, 90, 80, 50},
      {100, 100, 180, 40, 25, 90, 125, 50},
  };
  for (const ArcCase& k : cases) {
    SCOPED_TRACE(testing::Message() << k.x0 << "," << k.y0 << " to " << k.x1 << "," << k.y1 << " at " << k.kakudo);
    TestRun run;
    auto& v = run.v;
    v.ZX0 = k.x0, v.ZY0 = k.y0, v.ZX1 = k.x1, v.ZY1 = k.y1, v.TAKASA = k.takasa, v.KAKUDO = k.kakudo;
    geometry::PointOnArcOverSegment(run.P);
    EXPECT_NEAR(v.ZX, k.zx, 2e-2);
    EXPECT_NEAR(v.ZY, k.zy, 2e-2);
    EXPECT_EQ(v.ZX0, k.x0);
    EXPECT_EQ(v.ZY0, k.y0);
    EXPECT_EQ(v.ZX11, k.x0);
    EXPECT_EQ(v.ZY11, k.y0);
    EXPECT_EQ(v.ZX12, k.x1);
    EXPECT_EQ(v.ZY12, k.y1);
    EXPECT_TRUE(run.log.empty());
  }
}

}  // namespace
}  // namespace geometry_test
