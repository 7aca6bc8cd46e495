// Points placed on the point tables (see TablePoints.h).
#include "kit/TablePoints.h"

#include <cmath>

#include "figures/Marks.h"
#include "platform/Number.h"

namespace kit {

float Radians(Program& P, float degrees) { return degrees * P.v.PI / 180; }

void PointAtRadians(Program& P, int i, int centre, float r, float radians) {
  auto& v = P.v;
  v.X_a(i) = v.X_a(centre) + r * std::cos(radians);
  v.Y_a(i) = v.Y_a(centre) - r * std::sin(radians);
}

void PointAtDegrees(Program& P, int i, int centre, float r, float degrees) {
  PointAtRadians(P, i, centre, r, Radians(P, degrees));
}

void PointTurnedFromHHP(Program& P, int i, int from, float r, float degrees) {
  PointAtRadians(P, i, from, r, Radians(P, degrees) + P.v.HHP);
}

void PointAtCellsViaMABC(Program& P, int m, int centre, float cells, float degrees) {
  auto& v = P.v;
  v.M = static_cast<float>(m);
  v.A = static_cast<float>(centre);
  v.B = cells;
  v.C = degrees;
  PointAtDegrees(P, m, centre, v.SIZE * cells, degrees);
}

void PointsAtDegrees(Program& P, int centre, float r, std::span<const OnCircle> points) {
  for (const OnCircle& p : points) PointAtDegrees(P, p.point, centre, r, p.degrees);
}

void PointsAtCellsViaMABC(Program& P, int centre, float cells, std::span<const OnCircle> points) {
  for (const OnCircle& p : points) PointAtCellsViaMABC(P, p.point, centre, cells, p.degrees);
}

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

}  // namespace kit
