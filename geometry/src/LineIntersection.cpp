// The crossing point of the line through A and B with the line through C and D. Each line
// is held as a slope code and an intercept; parallel lines are reported through KOUTEN.
#include "Slope.h"
#include "geometry/Lines.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

namespace {

// One line as the routine holds it. The slope code is 0 for a horizontal line and 1000 for
// a vertical one, but a real slope can be 1000 too, so verticality has a mark of its own.
struct SlopeLine {
  bool vertical = false;
  float x = 0;  // the x of a vertical line
};

// Horizontal first: two coinciding points count as a horizontal line here.
SlopeLine Reduce(float px, float py, float qx, float qy, float& slope, float& intercept) {
  SlopeLine l;
  if (py == qy) {
    slope = 0;
    intercept = py;
  } else if (px == qx) {
    slope = 1000;
    l.vertical = true;
    l.x = px;
  } else {
    SlopeThrough(px, py, qx, qy, slope, intercept);
  }
  return l;
}

}  // namespace

void LineIntersection(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  SlopeLine ab = Reduce(v.AX, v.AY, v.BX, v.BY, v.A1, v.B1);
  SlopeLine cd = Reduce(v.CX, v.CY, v.DX, v.DY, v.A2, v.B2);
  bool parallel = ab.vertical || cd.vertical ? ab.vertical == cd.vertical : v.A1 == v.A2;
  if (parallel) {
    v.KOUTEN = 0;
    return;
  }
  if (ab.vertical) {
    v.AX2 = ab.x;
    v.AY2 = chk(v.A2 * v.AX2 + v.B2);
  } else if (cd.vertical) {
    v.AX2 = cd.x;
    v.AY2 = chk(v.A1 * v.AX2 + v.B1);
  } else {
    float run = v.A2 - v.A1;
    v.AX2 = fdiv(-(v.B2 - v.B1), run);
    v.AY2 = fdiv(chk(-v.A1 * (v.B2 - v.B1) + run * v.B1), run);
  }
  v.KOUTEN = 1;
}

}  // namespace geometry
