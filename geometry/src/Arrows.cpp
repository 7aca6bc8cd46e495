// A straight arrow between two page points with an open head of two strokes at one end or
// at both ends.
#include <cmath>
#include <utility>

#include "geometry/Plane.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;

namespace {

void SwapEnds(shell::Vars& v) {
  std::swap(v.ZX0, v.ZX);
  std::swap(v.ZY0, v.ZY);
}

// Shaft from the tail (ZX, ZY) to the tip (ZX0, ZY0), and the head at the tip. Ends on one
// point have no direction: the shaft is a dot and no head is drawn.
void ShaftAndHead(Program& P) {
  shell::Vars& v = P.v;
  int colour = static_cast<int>(v.CCC2);
  P.pf.line(v.ZX, v.ZY, v.ZX0, v.ZY0, colour);
  v.CX = chk(v.ZX0 - v.ZX);
  v.CY = chk(v.ZY0 - v.ZY);
  v.D = chk(std::sqrt(chk(v.CX * v.CX + v.CY * v.CY)));
  if (v.D == 0) return;
  v.DX = v.CX / v.D;
  v.DY = v.CY / v.D;
  v.EX = chk(v.ZX0 - v.NAGASA * v.DX);
  v.EY = chk(v.ZY0 - v.NAGASA * v.DY);
  float half = v.NAGASA / 2;
  v.ZX1 = chk(v.EX - half * v.DY);
  v.ZY1 = chk(v.EY + half * v.DX);
  v.ZX2 = chk(v.EX + half * v.DY);
  v.ZY2 = chk(v.EY - half * v.DX);
  P.pf.line(v.ZX1, v.ZY1, v.ZX0, v.ZY0, colour);
  P.pf.line(v.ZX2, v.ZY2, v.ZX0, v.ZY0, colour);
}

}  // namespace

void DrawArrow(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // The tip is kept in (ZX0, ZY0): MUKI = -1 has it there already.
  if (v.MUKI != -1) SwapEnds(v);
  ShaftAndHead(P);
  if (v.YA == 2) {
    v.YA = 0;
    SwapEnds(v);
    ShaftAndHead(P);
  }
  v.MUKI = 0;
}

}  // namespace geometry
