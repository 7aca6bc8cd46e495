// A left curly brace spanning HABA units down from (X, Y), opening to the right.
#include "geometry/Plane.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;

void DrawBrace(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  int entryWidth = P.pf.drawWidth();
  v.X1 = v.X + 35;
  v.Y1 = v.Y + 5;
  v.X2 = v.X + 23;
  v.Y2 = v.Y + 8;
  v.X3 = v.X + 23;
  v.X4 = v.X + 8;
  v.Y6 = chk(v.Y + v.HABA - 13);
  v.Y7 = chk(v.Y + v.HABA - 10);
  v.Y4 = (v.Y1 + v.Y7) / 2;  // the tip, halfway between the ends
  v.Y3 = v.Y4 - 7;
  v.Y5 = v.Y4 + 7;
  P.pf.setDrawWidth(5);
  P.pf.polyline({{v.X1, v.Y1}, {v.X2, v.Y2}, {v.X3, v.Y3}, {v.X4, v.Y4}, {v.X3, v.Y5}, {v.X2, v.Y6}, {v.X1, v.Y7}},
                static_cast<int>(v.CCC1));
  P.pf.setDrawWidth(entryWidth);
}

}  // namespace geometry
