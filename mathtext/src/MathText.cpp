// The top level of the math text markup: stacked fractions, the large radical and the exponent
// mark, and measuring a text by rendering it below the page through the same code.
#include <string>

#include "mathtext/MathText.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "Style.h"

namespace mathtext {

using platform::chk;
using shell::Vars;

namespace {

// Where measuring renders: below the page, so nothing shows.
constexpr float kMeasureY = 1800;

// The opening "ﾀ" has been taken; the body runs to the next "ﾀ". Without one the mark is dropped
// and the rest is drawn as ordinary characters.
void FractionStep(Program& P) {
  Vars& v = P.v;
  v.N = static_cast<float>(platform::kInstr(1, v.AA_s, "ﾀ"));
  if (v.N == 0) return;
  v.A_s = platform::kLeft(v.AA_s, v.N - 1);
  // The measurements inside the layout reuse AA$, so the rest waits here.
  v.AA_A_s = platform::kRight(v.AA_s, v.LEM - v.N - 1);
  LayoutFraction(P);
  v.AA_s = v.AA_A_s;
}

// Tall enough to hold a stacked fraction; its top stroke is where the overline continues.
void LargeRadical(Program& P) {
  Vars& v = P.v;
  setWidth(P, 3);
  P.pf.polyline({{chk(v.X + 4), chk(v.Y + 36)},
                 {chk(v.X + 8), chk(v.Y + 24)},
                 {chk(v.X + 16), chk(v.Y + 60)},
                 {chk(v.X + 30), chk(v.Y - 14)},
                 {chk(v.X + 38), chk(v.Y - 14)}},
                colourOf(v.CCC1));
  v.HROOT = 22;
  setWidth(P, v.DR);
  v.X = chk(v.X + 32);
  v.TXM = v.X;
}

void MeasurePart(Program& P, const std::string& part) {
  Vars& v = P.v;
  v.X = v.XT;
  v.Y = v.YT;
  v.A_s = part;
  v.BUN = 1;
  MeasureMathText(P);
}

}  // namespace

void RenderMathText(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  for (;;) {
    v.DR = static_cast<float>(P.pf.drawWidth());
    v.LEM = static_cast<float>(platform::kLen(v.AA_s));
    if (v.LEM == 0) {
      setWidth(P, v.DR);
      return;
    }
    v.A_s = platform::kLeft(v.AA_s, 1);
    v.AA_s = platform::kRight(v.AA_s, v.LEM - 1);
    if (v.A_s == "ﾀ") FractionStep(P);
    else if (v.A_s == "#") LargeRadical(P);
    else if (v.A_s == "^") v.JYOU = 1;
    else DrawGlyphs(P);
  }
}

void LayoutFraction(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  v.XT = v.X;
  v.YT = v.Y;
  // The searches of the body are byte-wise on the cp932 text.
  v.TA5 = static_cast<float>(platform::bInstr(1, v.A_s, "!"));
  v.TA6 = static_cast<float>(platform::bInstr(1, v.A_s, "√"));
  v.TA1 = static_cast<float>(platform::bInstr(1, v.A_s, "/"));
  if (v.TA1 == 0) {
    // No lesson writes a body without "/": the whole body is drawn as the numerator over an
    // empty denominator.
    v.RTASKAI1_s = v.A_s;
    v.RTASKAI2_s = "";
  } else {
    v.RTASKAI1_s = platform::bLeft(v.A_s, v.TA1 - 1);
    v.RTASKAI2_s = platform::bMid(v.A_s, v.TA1 + 1);
  }
  MeasurePart(P, v.RTASKAI1_s);
  v.TBSI = v.LLT;
  MeasurePart(P, v.RTASKAI2_s);
  v.TBBO = v.LLT;
  v.BUN = 0;
  v.NAGA = v.TBSI >= v.TBBO ? v.TBSI : v.TBBO;
  v.TBSI1 = (v.NAGA - v.TBSI) / 2;
  v.TBBO1 = (v.NAGA - v.TBBO) / 2;
  const float right = chk(v.XT + v.NAGA);
  setWidth(P, 4);
  v.BSEN = chk(v.YT + 25);
  P.pf.line(v.XT, v.BSEN, right, v.BSEN, colourOf(v.CCC1));
  setWidth(P, v.DR);
  if (v.HROOT == 22) {
    // The large radical's overline spans the whole fraction; its parts draw none of their own.
    setWidth(P, 3);
    P.pf.line(v.XT, v.YT - 14, right, v.YT - 14, colourOf(v.CCC1));
    setWidth(P, v.DR);
  }
  // A root or an exponent needs room above the denominator.
  v.TA1 = static_cast<float>(platform::bInstr(1, v.RTASKAI2_s, "√"));
  v.TA2 = static_cast<float>(platform::bInstr(1, v.RTASKAI2_s, "^"));
  v.Y = chk(v.YT + (v.TA1 == 0 && v.TA2 == 0 ? 28 : 36));
  if (v.TA5 != 0 || v.TA6 != 0) v.Y = chk(v.Y + 8);
  v.X = chk(v.XT + v.TBBO1);
  v.BUN = 1;
  v.A_s = v.RTASKAI2_s;
  DrawGlyphs(P);
  v.X = chk(v.XT + v.TBSI1);
  v.Y = chk(v.YT - 10);
  v.BUN = 1;
  v.A_s = v.RTASKAI1_s;
  DrawGlyphs(P);
  v.BUN = 0;
  v.X = right;
  v.Y = v.YT;
}

void MeasureMathText(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  // A measurement may start inside another (a measured text with a fraction measures its
  // parts): each keeps its own caller's pen and text.
  const float callerX = v.X, callerY = v.Y;
  const std::string callerA = v.A_s;
  v.XX1 = callerX;
  v.YY1 = callerY;
  v.AA1_s = callerA;
  v.X = 0;
  v.Y = kMeasureY;
  v.AA_s = v.A_s;
  RenderMathText(P);
  v.LLT = v.X;
  v.X = callerX;
  v.Y = callerY;
  v.A_s = callerA;
  v.XX1 = callerX;
  v.YY1 = callerY;
  v.AA1_s = callerA;
}

}  // namespace mathtext
