// The kit's point placers: each reads its radius and direction in the units its name says, the
// cells placer leaves its arguments in M, A, B, C, and two circles' crossings come in a fixed
// order and fail when the circles do not meet.
#include <gtest/gtest.h>

#include "kit/Points.h"
#include "platform/Errors.h"
#include "support/TestRun.h"

namespace {

using testsupport::TestRun;

// Centre 1 at (500, 400); cells of 50; the direction HHP a quarter turn.
struct PointRun : TestRun {
  PointRun() {
    auto& t = P.v;
    t.PI = 3.14159f;
    t.SIZE = 50;
    t.HHP = t.PI / 2;
    t.X_a(1) = 500; t.Y_a(1) = 400;
  }
};

TEST(KitPoints, EachPlacerReadsTheUnitsItsNameSays) {
  struct Case {
    const char* name;
    void (*place)(shell::Program&);
    float x, y;
  };
  const Case cases[] = {
      {"radians", [](shell::Program& P) { kit::PointAtRadians(P, 2, 1, 100, P.v.PI / 2); }, 500, 300},
      {"degrees", [](shell::Program& P) { kit::PointAtDegrees(P, 2, 1, 100, 180); }, 400, 400},
      {"turned from HHP", [](shell::Program& P) { kit::PointTurnedFromHHP(P, 2, 1, 100, 90); }, 400, 400},
      {"cells", [](shell::Program& P) { kit::PointAtCellsViaMABC(P, 2, 1, 2, 270); }, 500, 500},
      {"table in degrees",
       [](shell::Program& P) {
         const kit::OnCircle rows[] = {{3, 90}, {2, 0}};
         kit::PointsAtDegrees(P, 1, 100, rows);
       },
       600, 400},
  };
  for (const Case& c : cases) {
    PointRun r;
    c.place(r.P);
    EXPECT_NEAR(r.P.v.X_a(2), c.x, 0.01) << c.name;
    EXPECT_NEAR(r.P.v.Y_a(2), c.y, 0.01) << c.name;
  }
}

TEST(KitPoints, APlaceOnTheCircleIsFoundWithoutStoringIt) {
  struct Case {
    float radians, x, y;
  };
  const Case cases[] = {{0, 600, 400}, {3.14159f / 2, 500, 300}, {3.14159f, 400, 400}, {-3.14159f / 2, 500, 500}};
  for (const Case& c : cases) {
    PointRun r;
    kit::Pen at = kit::PlaceOnCircle(r.P, 1, 100, c.radians);
    EXPECT_NEAR(at.x, c.x, 0.01) << c.radians;
    EXPECT_NEAR(at.y, c.y, 0.01) << c.radians;
    EXPECT_EQ(r.P.v.X_a(2), 0);
    EXPECT_EQ(r.P.v.Y_a(2), 0);
  }
}

TEST(KitPoints, TheCellsPlacerLeavesItsArgumentsInMABC) {
  PointRun r;
  const kit::OnCircle rows[] = {{2, 30}, {3, 45}};
  kit::PointsAtCellsViaMABC(r.P, 1, 1.5f, rows);
  auto& v = r.P.v;
  EXPECT_EQ(v.M, 3);
  EXPECT_EQ(v.A, 1);
  EXPECT_EQ(v.B, 1.5f);
  EXPECT_EQ(v.C, 45);
  EXPECT_NEAR(kit::PointDistance(r.P, 1, 2), 75, 0.01);
}

TEST(KitPoints, TwoCirclesCrossFirstOnTheLeftOfTheLineBetweenTheirCentres) {
  PointRun r;
  auto& v = r.P.v;
  v.X_a(2) = 560; v.Y_a(2) = 400;
  kit::CircleCrossing(r.P, 1, 50, 2, 50, 3, 4);
  EXPECT_NEAR(v.X_a(3), 530, 0.01);
  EXPECT_NEAR(v.Y_a(3), 360, 0.01);  // facing from centre 1 to centre 2, on the left: above
  EXPECT_NEAR(v.X_a(4), 530, 0.01);
  EXPECT_NEAR(v.Y_a(4), 440, 0.01);
  EXPECT_EQ(v.RR1, 50);
  EXPECT_EQ(v.X2, 560);

  v.X_a(2) = 700;  // 200 apart: the circles of 50 do not meet
  EXPECT_THROW(kit::CircleCrossing(r.P, 1, 50, 2, 50, 3, 4), platform::RuntimeError);
}

}  // namespace
