// Marks on a segment: strokes across it for equal lengths, arrowheads along it for parallels.
// Both are placed from the segment's unit direction, left in DX, DY.
#include <cmath>

#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/Number.h"

namespace figures {

using namespace platform;

namespace {

// CX, CY = the vector from A to B, D = its length, DX, DY = its unit direction.
// Returns false for a segment of no length, which has no direction to mark along.
bool SegmentDirection(shell::Vars& v) {
  v.CX = chk(v.BX - v.AX);
  v.CY = chk(v.BY - v.AY);
  v.D = std::sqrt(chk(chk(v.CX * v.CX) + chk(v.CY * v.CY)));
  if (v.D == 0) return false;
  v.DX = v.CX / v.D;
  v.DY = v.CY / v.D;
  return true;
}

}  // namespace

void DrawEqualLengthTicks(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  if (v.AIDA == 0 || v.AIDA > 30) v.AIDA = 8;
  bool drawable = SegmentDirection(v);
  if (v.HONSU < 0 || v.HONSU > 6) v.HONSU = 1;
  if (!drawable) return;
  v.EX = chk((v.AX + v.BX) / 2 + v.ITI * v.DX);
  v.EY = chk((v.AY + v.BY) / 2 + v.ITI * v.DY);
  v.AIDA1 = v.AIDA;
  float last = v.HONSU;
  v.II = 1;
  do {  // a count of 0 still draws one stroke
    float cx = chk(v.EX + v.AIDA * v.DX), cy = chk(v.EY + v.AIDA * v.DY);
    v.AX1 = chk(cx + v.NAGASA * v.DY);
    v.AY1 = chk(cy - v.NAGASA * v.DX);
    v.AX2 = chk(cx - v.NAGASA * v.DY);
    v.AY2 = chk(cy + v.NAGASA * v.DX);
    P.pf.line(v.AX1, v.AY1, v.AX2, v.AY2, detail::Colour(v.CCC2));
    // Left grown: a later call without a fresh spacing starts further out (lessons rely on it).
    v.AIDA = chk(v.AIDA + v.AIDA1);
    v.II = v.II + 1;
  } while (v.II <= last);
}

void DrawParallelMarks(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  bool drawable = SegmentDirection(v) && v.A + v.B != 0;
  if (!drawable) {
    if (v.HONSU <= 0 || v.HONSU > 6) v.HONSU = 1;
    return;
  }
  v.BX1 = chk(v.AX + fdiv(chk(v.CX * v.A), v.A + v.B));
  v.BY1 = chk(v.AY + fdiv(chk(v.CY * v.A), v.A + v.B));
  v.EX = chk(v.BX1 - v.NAGASA * v.DX);
  v.EY = chk(v.BY1 - v.NAGASA * v.DY);
  v.AX1 = chk(v.EX - (v.NAGASA / 2) * v.DY);
  v.AY1 = chk(v.EY + (v.NAGASA / 2) * v.DX);
  v.AX2 = chk(v.EX + (v.NAGASA / 2) * v.DY);
  v.AY2 = chk(v.EY - (v.NAGASA / 2) * v.DX);
  if (v.HONSU <= 0 || v.HONSU > 6) v.HONSU = 1;
  float last = v.HONSU;
  v.II = 1;
  do {  // arrowheads 16 apart whatever their size, the first 16 beyond the ratio point
    float sx = 16 * v.DX, sy = 16 * v.DY;
    v.BX1 += sx; v.BY1 += sy;
    v.AX1 += sx; v.AY1 += sy;
    v.AX2 += sx; v.AY2 += sy;
    int c = detail::Colour(v.CCC2);
    P.pf.line(v.AX1, v.AY1, v.BX1, v.BY1, c);
    P.pf.line(v.AX2, v.AY2, v.BX1, v.BY1, c);
    v.II = v.II + 1;
  } while (v.II <= last);
}

}  // namespace figures
