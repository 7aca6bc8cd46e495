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

}  // namespace kit
