// Points of a figure where two of its lines cross (see Crossings.h).
#include "kit/Crossings.h"

#include "geometry/Lines.h"

namespace kit {

void LineCrossing(Program& P, int at, int a, int b, int c, int d) {
  auto& v = P.v;
  v.AX = v.X_a(a); v.AY = v.Y_a(a);
  v.BX = v.X_a(b); v.BY = v.Y_a(b);
  v.CX = v.X_a(c); v.CY = v.Y_a(c);
  v.DX = v.X_a(d); v.DY = v.Y_a(d);
  geometry::LineIntersection(P);
  v.X_a(at) = v.AX2;
  v.Y_a(at) = v.AY2;
}

void PerpendicularFoot(Program& P, int at, int a, int b, int c) {
  auto& v = P.v;
  v.AX = v.X_a(a); v.AY = v.Y_a(a);
  v.BX = v.X_a(b); v.BY = v.Y_a(b);
  v.CX = v.X_a(c); v.CY = v.Y_a(c);
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
