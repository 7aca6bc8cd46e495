// Plain labels framed in a filled box: one centred line, or two (an empty second line leaves
// the first one lower, nearer the middle).
#include "mathtext/TextBoxes.h"
#include "platform/Number.h"
#include "BoxCorner.h"
#include "Style.h"

namespace mathtext {

using platform::chk;
using platform::fint;
using shell::Vars;

namespace {

// Measures A$ and centres it across the box (never left of its edge).
void CentrePlainLine(Program& P) {
  Vars& v = P.v;
  MeasurePlainText(P);
  v.LT1 = (v.HABA - v.LLT) / 2;
  if (v.LT1 < 0) v.LT1 = 0;
}

void DrawPlainLine(Program& P, float y) {
  Vars& v = P.v;
  v.X = chk(v.X1 + v.LT1);
  v.Y = y;
  v.AA_s = v.MOTOA_s;
  PlainMathText(P);
}

void FramePlainBox(Program& P, float topOffset) {
  Vars& v = P.v;
  v.Y2 = chk(v.Y1 + fint(topOffset / 2));
  v.Y3 = chk(v.Y1 + v.TATE);
  P.pf.fillBox(v.X1, v.Y1, chk(v.X1 + v.HABA), v.Y3, colourOf(v.CCC2), colourOf(v.CCC3));
}

}  // namespace

void DrawPlainTextBox(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  KeepCorner(P, v.A_s);
  CentrePlainLine(P);
  FramePlainBox(P, v.TATE - 26);
  DrawPlainLine(P, v.Y2);
  PenToRightEdge(P);
}

void DrawPlainTwoLineTextBox(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  KeepCorner(P, v.A1_s);
  v.A_s = v.A1_s;
  CentrePlainLine(P);
  FramePlainBox(P, v.TATE / 2 - 26);
  v.Y22 = v.A2_s.empty() ? chk(v.Y2 + 15) : v.Y2;
  DrawPlainLine(P, v.Y22);
  v.MOTOA_s = v.A2_s;
  v.A_s = v.A2_s;
  CentrePlainLine(P);
  v.Y4 = chk(v.Y2 + 30);
  DrawPlainLine(P, v.Y4);
  PenToRightEdge(P);
}

}  // namespace mathtext
