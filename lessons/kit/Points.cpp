// Points placed on the point tables (see Points.h).
#include "kit/Points.h"

#include <cmath>

#include "figures/Marks.h"
#include "geometry/Lines.h"
#include "platform/Number.h"

namespace kit {

void GridPoint(Program& P, int i, float gx, float gy) {
  auto& v = P.v;
  v.X_a(i) = v.GX0 + v.SIZE * gx;
  v.Y_a(i) = v.GY0 - v.SIZE * gy;
}

void GridToPage(Program& P, std::initializer_list<int> points) {
  auto& v = P.v;
  for (int i : points) GridPoint(P, i, v.X_a(i), v.Y_a(i));
}

void PlaceGridEntries(Program& P, std::span<const GridEntry> entries) {
  for (const GridEntry& g : entries) GridPoint(P, g.point, g.x, g.y);
}

void CentreAndRadius(Program& P, int centre, float gx, float gy, float cells) {
  GridPoint(P, centre, gx, gy);
  P.v.R1 = cells * P.v.SIZE;
}

float Radians(Program& P, float degrees) { return degrees * P.v.PI / 180; }

Pen PlaceOnCircle(Program& P, int centre, float r, float radians) {
  auto& v = P.v;
  return {v.X_a(centre) + r * std::cos(radians), v.Y_a(centre) - r * std::sin(radians)};
}

void PointAtRadians(Program& P, int i, int centre, float r, float radians) {
  auto& v = P.v;
  Pen at = PlaceOnCircle(P, centre, r, radians);
  v.X_a(i) = at.x;
  v.Y_a(i) = at.y;
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

namespace {

// The line routines' inputs AX, AY, BX, BY, CX, CY from points a, b and c.
void setThreePoints(Program& P, int a, int b, int c) {
  auto& v = P.v;
  v.AX = v.X_a(a); v.AY = v.Y_a(a);
  v.BX = v.X_a(b); v.BY = v.Y_a(b);
  v.CX = v.X_a(c); v.CY = v.Y_a(c);
}

}  // namespace

void LineCrossing(Program& P, int at, int a, int b, int c, int d) {
  auto& v = P.v;
  setThreePoints(P, a, b, c);
  v.DX = v.X_a(d); v.DY = v.Y_a(d);
  geometry::LineIntersection(P);
  v.X_a(at) = v.AX2;
  v.Y_a(at) = v.AY2;
}

void PerpendicularFoot(Program& P, int at, int a, int b, int c) {
  auto& v = P.v;
  setThreePoints(P, a, b, c);
  geometry::FootOfPerpendicular(P);
  v.X_a(at) = v.EX;
  v.Y_a(at) = v.EY;
}

void CircleCrossing(Program& P, int c1, float r1, int c2, float r2, int first, int second) {
  auto& v = P.v;
  v.X1 = v.X_a(c1); v.Y1 = v.Y_a(c1); v.RR1 = r1;
  v.X2 = v.X_a(c2); v.Y2 = v.Y_a(c2); v.RR2 = r2;
  geometry::RadicalAxis(P);
  geometry::CircleLineIntersection(P);
  v.X_a(first) = v.X3; v.Y_a(first) = v.Y3;
  v.X_a(second) = v.X4; v.Y_a(second) = v.Y4;
}

}  // namespace kit
