// The point of the line through A and B with a given x or a given y; the coordinate asked
// for is marked by a negative value in CX or CY.
#include "Slope.h"
#include "geometry/Plane.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

void PointOnLine(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // A vertical line has a point at a given y only, a horizontal one at a given x only:
  // these answer with the line's own fixed coordinate, whatever the marking says.
  if (v.AX == v.BX) {
    v.X1 = v.AX;
    v.Y1 = v.CY;
    return;
  }
  if (v.AY == v.BY) {
    v.X1 = v.CX;
    v.Y1 = v.AY;
    return;
  }
  SlopeThrough(v.AX, v.AY, v.BX, v.BY, v.A, v.B);
  if (v.CX < 0) {
    v.X1 = fdiv(v.CY - v.B, v.A);
    v.Y1 = v.CY;
  }
  if (v.CY < 0) {
    v.Y1 = chk(v.A * v.CX + v.B);
    v.X1 = v.CX;
  }
}

}  // namespace geometry
