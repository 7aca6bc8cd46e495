// Points computed from the point tables (see TablePoints.h).
#include "kit/TablePoints.h"

#include <cmath>

#include "figures/Marks.h"
#include "kit/Figures.h"
#include "platform/Number.h"

namespace kit {

float PointDistance(Program& P, int i, int j) {
  auto& v = P.v;
  float dx = v.X_a(i) - v.X_a(j), dy = v.Y_a(i) - v.Y_a(j);
  return std::sqrt(platform::chk(dx * dx + dy * dy));
}

void Midpoint(Program& P, int i, int a, int b) {
  auto& v = P.v;
  v.X_a(i) = (v.X_a(a) + v.X_a(b)) / 2;
  v.Y_a(i) = (v.Y_a(a) + v.Y_a(b)) / 2;
}

float DirectionBetween(Program& P, int from, int to) {
  auto& v = P.v;
  v.ZX0 = v.X_a(from); v.ZY0 = v.Y_a(from);
  v.ZX1 = v.X_a(to); v.ZY1 = v.Y_a(to);
  figures::VectorAngle(P);
  return v.HHP;
}

void PointFromDirection(Program& P, int i, int from, float units, float degrees) {
  auto& v = P.v;
  PointOnCircle(P, i, from, v.SIZE * units, degrees * v.PI / 180 + v.HHP);
}

}  // namespace kit
