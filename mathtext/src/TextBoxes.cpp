// Framed text boxes around math text: a caption centred in a box at the pen, a box around a
// caption on the current line, and a box of two centred lines.
#include <string>

#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "BoxCorner.h"
#include "Style.h"

namespace mathtext {

using platform::chk;
using platform::fint;
using shell::Vars;

namespace {

// A caption is centred as if it were 44 units high, or 50 when it holds a fraction.
float captionHeight(float fractionAt) { return fractionAt == 0 ? 44 : 50; }

// N1: where the caption's first fraction mark stands, character-wise (0 when none).
void FindFraction(Program& P) { P.v.N1 = static_cast<float>(platform::kInstr(1, P.v.A_s, "ﾀ")); }

// The boxes also keep the tall-bracket flag, which measuring the caption may clear.
void KeepCaption(Program& P, const std::string& caption) {
  KeepCorner(P, caption);
  P.v.KAKKO1 = P.v.KAKKO;
}

// Measures A$ the way the caption will be drawn: the measurement must not use up the tall
// brackets the drawing pass starts with.
void MeasureCaption(Program& P) {
  Vars& v = P.v;
  MeasureMathText(P);
  v.KAKKO = v.KAKKO1;
  v.LT1 = (v.HABA - v.LLT) / 2;
  if (v.LT1 < 0) v.LT1 = 0;
}

void FillBox(Program& P, float x1, float y1, float x2, float y2) {
  Vars& v = P.v;
  P.pf.fillBox(x1, y1, x2, y2, colourOf(v.CCC2), colourOf(v.CCC3));
}

void DrawCaption(Program& P, float x, float y, const std::string& text) {
  Vars& v = P.v;
  v.X = x;
  v.Y = y;
  v.AA_s = text;
  RenderMathText(P);
}

}  // namespace

void DrawTextBox(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  KeepCaption(P, v.A_s);
  FindFraction(P);
  MeasureCaption(P);
  v.Y2 = chk(v.Y1 + fint((v.TATE - captionHeight(v.N1)) / 2));
  FillBox(P, v.X1, v.Y1, chk(v.X1 + v.HABA), chk(v.Y1 + v.TATE));
  DrawCaption(P, chk(v.X1 + v.LT1 + v.AAAX), chk(v.Y2 + v.AAAY), v.MOTOA_s);
  v.AAAX = 0;
  v.AAAY = 0;
  PenToRightEdge(P);
}

void DrawTextBoxOnLine(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  KeepCaption(P, v.A_s);
  MeasureCaption(P);
  // The box reaches above and below the caption's line; a fraction in the caption moves nothing.
  const float above = fint((v.TATE - 44) / 2);
  v.Y2 = chk(v.Y1 - above);
  v.Y3 = chk(v.Y1 + v.TATE - above);
  FillBox(P, v.X1, v.Y2, chk(v.X1 + v.HABA), v.Y3);
  DrawCaption(P, chk(v.X1 + v.LT1), v.Y1, v.MOTOA_s);
  PenToRightEdge(P);
}

void DrawTwoLineTextBox(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  KeepCaption(P, v.A1_s);
  v.A_s = v.A1_s;
  FindFraction(P);
  MeasureCaption(P);
  float h = captionHeight(v.N1);
  v.Y2 = chk(v.Y1 + fint((v.TATE / 2 - h) / 2));
  FillBox(P, v.X1, v.Y1, chk(v.X1 + v.HABA), chk(v.Y1 + v.TATE));
  v.Y22 = v.A2_s.empty() ? chk(v.Y2 + 25) : v.Y2;
  DrawCaption(P, chk(v.X1 + v.LT1), v.Y22, v.A1_s);
  v.MOTOA_s = v.A2_s;
  v.A_s = v.A2_s;
  FindFraction(P);
  MeasureCaption(P);
  h = captionHeight(v.N1);
  v.Y4 = chk(v.Y1 + h + fint((v.TATE / 2 - h) / 2));
  DrawCaption(P, chk(v.X1 + v.LT1), v.Y4, v.A2_s);
  PenToRightEdge(P);
}

}  // namespace mathtext
