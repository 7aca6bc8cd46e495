// The ship map: the landmarks A to D and the sea in grid units, turned into page units, then the
// centres of the 30° and 45° circles, the aids that construct the 45° circle, and where the two
// circles cross: the ship P in the sea and the other crossing on land. Also the opening and the
// landmarks every ship screen draws.
#include <cmath>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

using namespace ship;

// Entries given in grid units: A, B, C, D (B and D relative to A and C), then the sea outline.
void storeGridPoints(Program& P) {
  auto& v = P.v;
  v.X_a(A) = 1; v.X_a(B) = v.X_a(A) + 3; v.X_a(C) = 6.5f; v.X_a(D) = v.X_a(C) + 2;
  v.Y_a(A) = 5.5f; v.Y_a(B) = v.Y_a(A) + 1; v.Y_a(C) = 3; v.Y_a(D) = v.Y_a(C) + 0.6666667f;
  constexpr float kSea[][2] = {{5, 7}, {5, 6}, {0, 5}, {0.5f, 0}, {8, 4.5f}, {10, 7}};
  for (int i = Sea1; i <= Sea6; ++i) {
    v.X_a(i) = kSea[i - Sea1][0];
    v.Y_a(i) = kSea[i - Sea1][1];
  }
}

// Points laid off from D along and across the direction C to D: (entry, cells, degrees).
struct FromD {
  int entry;
  float units, degrees;
};
constexpr FromD kFromD[] = {
    {10, 3, 0},      // line CD beyond D
    {11, 2.1f, 270}, // the perpendicular at D, on the far side
    {12, 2.1f, 90},  // the right isosceles triangle's third vertex
    {13, 3, 90},     // the perpendicular's far end
};

}  // namespace

void SetUpShipFigure(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  storeGridPoints(P);
  kit::GridToPage(P, {A, B, C, D, 21, 22, 23, 24, 25, 26});
  kit::Midpoint(P, MidAB, A, B);
  // O stands as the apex of an equilateral triangle of side 3 on AB (AB itself is longer).
  kit::DirectionBetween(P, MidAB, A);
  kit::PointTurnedFromHHP(P, O, MidAB, v.SIZE * (3 * std::sqrt(3.0f) / 2), 90);
  kit::DirectionBetween(P, C, D);
  v.X_a(9) = 2 * v.X_a(D) - v.X_a(C);
  v.Y_a(9) = 2 * v.Y_a(D) - v.Y_a(C);
  for (const FromD& f : kFromD) kit::PointTurnedFromHHP(P, f.entry, D, v.SIZE * f.units, f.degrees);
  kit::Midpoint(P, O2, C, 12);
  kit::DirectionBetween(P, D, O2);
  kit::PointTurnedFromHHP(P, 14, O2, v.SIZE, 0);
  kit::PointTurnedFromHHP(P, 15, O2, v.SIZE, 180);
  kit::CircleCrossing(P, O, 3 * v.SIZE, O2, kit::PointDistance(P, O2, 12), Ship, Other);
}

void Landmark(Program& P, int point, const char* letter) { kit::LetteredDot(P, point, 6, 0, 0, 0, letter, 0); }

}  // namespace osvatine
