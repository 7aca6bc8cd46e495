// The ship map on the grids of the screens: every point where the map's constants put it, the
// two circles and their crossings, the ship in the sea and the rest on land, and no drift
// between calls.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "Support.h"
#include "kit/Marks.h"
#include "osvatine/ShipPosition.h"

namespace osvatine_test {
namespace {

using osvatine::SetUpShipFigure;

// The ship map on a grid 7 cells down from y 50 (screen 1's: left 440, cells of 70).
void ShipMapOnGrid(Bare& b, float left = 440, float size = 70, float columns = 11) {
  kit::GridPaper(b.P, left, 50, columns, 7, 15, size);
  SetUpShipFigure(b.P);
}

struct Expected { int i; float x, y; };
constexpr Expected kScreen1[] = {
    {1, 510, 155},       {2, 720, 85},        {3, 895, 330},       {4, 1035, 283.33f},  {0, 615, 120},
    {5, 672.5f, 292.5f}, {6, 941.8f, 236.9f}, {7, 852.2f, 183.8f}, {8, 880.5f, 321.2f}, {9, 1175, 236.7f},
    {10, 1234.2f, 216.9f}, {11, 1081.5f, 422.8f}, {12, 988.5f, 143.9f}, {13, 968.6f, 84.1f},
    {14, 879.1f, 205.8f}, {15, 1004.4f, 268.1f}, {21, 790, 50},        {22, 790, 120},     {23, 440, 190},
    {24, 475, 540},      {25, 1000, 225},     {26, 1140, 50},
};

TEST(ShipFigure, EveryPointOnTheGridsOfScreensOneAndTwo) {
  for (float shift : {0.0f, 280.0f}) {
    SCOPED_TRACE(shift);
    Bare b;
    ShipMapOnGrid(b, 440 + shift);
    auto& v = b.P.v;
    for (const Expected& e : kScreen1) {
      EXPECT_NEAR(v.X_a(e.i), e.x + shift, 0.06) << "point " << e.i;
      EXPECT_NEAR(v.Y_a(e.i), e.y, 0.06) << "point " << e.i;
    }
    EXPECT_FLOAT_EQ(v.RR1, 210);
    EXPECT_NEAR(v.RR2, 104.15, 0.01);
    EXPECT_EQ(v.X3, v.X_a(7)); EXPECT_EQ(v.Y3, v.Y_a(7));
    EXPECT_EQ(v.X4, v.X_a(8)); EXPECT_EQ(v.Y4, v.Y_a(8));
    EXPECT_NEAR(v.HH, 153.5, 0.1);  // the direction D to O', the last one taken
  }
}

// Both crossings lie on both circles, whatever the grid's scale.
TEST(ShipFigure, CrossingsLieOnBothCircles) {
  for (float size : {70.0f, 90.0f, 100.0f, 120.0f}) {
    SCOPED_TRACE(size);
    Bare b;
    ShipMapOnGrid(b, 40, size);
    auto& v = b.P.v;
    for (int i : {7, 8}) {
      EXPECT_NEAR(std::hypot(v.X_a(i) - v.X1, v.Y_a(i) - v.Y1), v.RR1, 0.01 * size) << i;
      EXPECT_NEAR(std::hypot(v.X_a(i) - v.X2, v.Y_a(i) - v.Y2), v.RR2, 0.01 * size) << i;
    }
  }
}

bool InsideSea(const shell::Vars& v, float x, float y) {
  bool in = false;
  for (int i = 21, j = 26; i <= 26; j = i++) {
    float xi = v.X_a(i), yi = v.Y_a(i), xj = v.X_a(j), yj = v.Y_a(j);
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
  }
  return in;
}

TEST(ShipFigure, TheShipIsInTheSeaTheLandmarksAndTheOtherCrossingOnLand) {
  Bare b;
  ShipMapOnGrid(b);
  auto& v = b.P.v;
  EXPECT_TRUE(InsideSea(v, v.X_a(7), v.Y_a(7)));
  for (int i : {1, 2, 3, 4, 8}) EXPECT_FALSE(InsideSea(v, v.X_a(i), v.Y_a(i))) << i;
}

TEST(ShipFigure, TwoCallsLeaveTheSameTable) {
  Bare b;
  ShipMapOnGrid(b);
  auto& v = b.P.v;
  std::vector<std::pair<float, float>> first;
  for (int i = 0; i <= 26; ++i) first.emplace_back(v.X_a(i), v.Y_a(i));
  v.X_a(7) = 0; v.Y_a(0) = 0;  // a screen's own use of entries is undone by the next call
  SetUpShipFigure(b.P);
  for (int i = 0; i <= 26; ++i) {
    EXPECT_EQ(v.X_a(i), first[i].first) << i;
    EXPECT_EQ(v.Y_a(i), first[i].second) << i;
  }
}

TEST(ShipFigure, DrawsNothing) {
  Bare b;
  kit::GridPaper(b.P, 440, 50, 11, 7, 15, 70);
  b.log.clear();
  SetUpShipFigure(b.P);
  EXPECT_TRUE(b.log.empty());
}

}  // namespace
}  // namespace osvatine_test
