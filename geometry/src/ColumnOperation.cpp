// A two-operand calculation laid out in columns as school arithmetic writes it: the first
// operand above, the operator with ")" and the second operand below, a bar under both.
#include <string>

#include "geometry/Plane.h"
#include "Pen.h"
#include "mathtext/MathText.h"

namespace geometry {

namespace {

float Width(Program& P, const std::string& text) {
  P.v.A_s = text;
  mathtext::MeasureMathText(P);
  return P.v.LLT;
}

}  // namespace

void ColumnOperation(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // The corner is kept in locals as well, so the drawing does not rest on what the text
  // routines leave in X1, Y1.
  const float x1 = v.X, y1 = v.Y;
  v.X1 = x1;
  v.Y1 = y1;
  int entryWidth = P.pf.drawWidth();
  v.LT1 = Width(P, v.A1_s);
  v.LT2 = Width(P, v.A2_s);
  v.LT = v.LT1 > v.LT2 ? v.LT1 : v.LT2;
  const float lower = y1 + v.TAKASA;
  WriteAt(P, v.A1_s, x1 + 54, y1);
  WriteAt(P, v.ENZAN_s, x1, lower + 6);
  WriteAt(P, ")", v.X, lower + 6);
  WriteAt(P, v.A2_s, x1 + 54, lower);
  P.pf.setDrawWidth(3);
  float bar = y1 + 2 * v.TAKASA;
  P.pf.line(x1 + 27, bar, x1 + 57 + v.LT, bar, static_cast<int>(v.CCC2));
  P.pf.setDrawWidth(entryWidth);
  v.YI1 = lower;
  v.XI3 = x1 + 54;
  v.XI2 = x1 + 57 + v.LT;  // the caller writes on past the bar's right end
}

}  // namespace geometry
