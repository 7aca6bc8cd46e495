// The foot of the perpendicular from point C to the line through A and B, marked on the
// page by a small page-coloured dot.
#include "Slope.h"
#include "geometry/Lines.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

void FootOfPerpendicular(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // Vertical first: two coinciding points count as a vertical line here.
  if (v.AX == v.BX) {
    v.EX = v.AX;
    v.EY = v.CY;
  } else if (v.AY == v.BY) {
    v.EX = v.CX;
    v.EY = v.AY;
  } else {
    SlopeThrough(v.AX, v.AY, v.BX, v.BY, v.AA1, v.BB1);
    v.AA2 = fdiv(-1, v.AA1);
    v.BB2 = chk(v.CY - v.AA2 * v.CX);
    v.EX = fdiv(-(v.BB1 - v.BB2), v.AA1 - v.AA2);
    v.EY = fdiv(chk(v.AA1 * v.BB2 - v.AA2 * v.BB1), v.AA1 - v.AA2);
  }
  P.pf.circle(v.EX, v.EY, 2, 15, 0, 0, platform::kFillLineColour);
}

}  // namespace geometry
