// The plain label renderer: point names and axis numbers drawn character by character without
// markup, bold at size 15, italic serif variables; measuring below the page; parenthesising.
#include <string>

#include "mathtext/TextBoxes.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "Style.h"

namespace mathtext {

using platform::chk;
using shell::Vars;

namespace {

struct LabelRow {
  bool (*test)(const Vars&);
  FontSet font, fontAfter;
  float dx, dy, h, v;
  float advance;
  bool drawn;
};

bool isVariable(const std::string& b) { return b == "a" || b == "x" || b == "c"; }

const FontSet kKeep{};

const LabelRow kLabelRows[] = {
    {[](const Vars& v) { return v.B_s == "." || v.B_s == ","; }, kKeep, kKeep, 0, 0, 3, 2, 8, true},
    {[](const Vars& v) { return v.B_s == "("; }, kKeep, kKeep, -8, 0, 3, 2, 12, true},
    {[](const Vars& v) { return v.B_s == ")"; }, kKeep, kKeep, 0, 0, 3, 2, 8, true},
    {[](const Vars& v) { return v.B_s == " "; }, kKeep, kKeep, 0, 0, 0, 0, 20, false},
    {[](const Vars& v) { return v.TA2 == 2; }, kKeep, kKeep, 0, 0, 2, 2, 30, true},
    // The size stays 8 after a variable; the next character sets 15 again.
    {[](const Vars& v) { return isVariable(v.B_s); }, {&kSerif, 8, -1, 1}, {&kGothic, 0, -1, 0}, 4, -12, 7, 4, 20,
     true},
    {[](const Vars& v) { return v.B_s == "y"; }, kKeep, kKeep, 0, -6, 3, 2, 20, true},
    {[](const Vars&) { return true; }, kKeep, kKeep, 0, 0, 3, 2, 20, true},
};

void DrawLabelCharacter(Program& P) {
  Vars& v = P.v;
  v.TA2 = static_cast<float>(platform::charBytes(v.B_s));
  for (const LabelRow& row : kLabelRows) {
    if (!row.test(v)) continue;
    if (row.drawn) {
      applyFont(P, row.font);
      P.pf.text(v.B_s, chk(v.TX + row.dx), chk(v.TY + row.dy), row.h, row.v, colourOf(v.CCC1));
      applyFont(P, row.fontAfter);
    }
    v.TX = chk(v.TX + row.advance);
    return;
  }
}

}  // namespace

void PlainMathText(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  for (;;) {
    v.TX = v.X;
    v.TY = v.Y;
    v.DR = static_cast<float>(P.pf.drawWidth());
    v.LEM = static_cast<float>(platform::kLen(v.AA_s));
    if (v.LEM == 0) {
      P.pf.setFontBold(false);
      setWidth(P, v.DR);
      P.pf.setFontSize(16);
      return;
    }
    v.A_s = platform::kLeft(v.AA_s, 1);
    v.AA_s = platform::kRight(v.AA_s, v.LEM - 1);
    v.R_s = v.A_s;
    v.NAG = static_cast<float>(platform::kLen(v.R_s));
    P.pf.setFontBold(true);
    P.pf.setFontSize(15);
    v.I = 1;
    do {
      v.B_s = platform::kMid(v.R_s, v.I, 1);
      DrawLabelCharacter(P);
    } while ((v.I += 1) <= v.NAG);
    v.X = v.TX;
    v.Y = v.TY;
  }
}

void MeasurePlainText(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  v.XX1 = v.X;
  v.YY1 = v.Y;
  v.X = 0;
  v.Y = 1800;
  v.AA1_s = v.A_s;
  v.AA_s = v.A_s;
  PlainMathText(P);
  v.LLT = v.X;
  v.X = v.XX1;
  v.Y = v.YY1;
  v.A_s = v.AA1_s;
}

void ParenthesizeNegative(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  v.TA1 = static_cast<float>(platform::bInstr(1, v.A_s, "-"));
  if (v.TA1 != 0) v.A_s = "(" + v.A_s + ")";
}

}  // namespace mathtext
