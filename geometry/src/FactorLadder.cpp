// The prime factorisation that FactorIntoPrimes left, drawn as a ladder of divisions: prime
// and ")" before the number, a rule under it, the quotient below as the next row's number.
#include "NumberText.h"
#include "Pen.h"
#include "geometry/Numbers.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "shell/Waits.h"

namespace geometry {

using platform::fdiv;
using platform::numToText;

namespace {

constexpr float kColumn = 30;  // the ladder's columns, counted from XTAKE

// Every text of the ladder is in colour 0.
void Write(Program& P, const std::string& text, float x, float y) {
  P.v.CCC1 = 0;
  WriteAt(P, text, x, y);
}

// The text of TA (with its leading blank) right-aligned by whole columns to column TA1.
void WriteCurrentNumber(Program& P) {
  shell::Vars& v = P.v;
  std::string t = numToText(v.TA);
  v.TA2 = static_cast<float>(platform::kLen(t));
  Write(P, t, v.XTAKE + kColumn * (1 + v.TA1 - v.TA2), v.YTAKE);
}

void WaitIfAsked(Program& P) {
  if (P.v.NASI == 1) shell::WaitAnyKey(P);
}

void DivisionStep(Program& P, float prime) {
  shell::Vars& v = P.v;
  Write(P, v.SO_s + ")", v.XTAKE, v.YTAKE);
  WriteCurrentNumber(P);
  v.YTAKE = v.YTAKE + 46;
  P.pf.line(v.XTAKE + kColumn, v.YTAKE, v.XTAKE + kColumn * (v.TA1 + 1), v.YTAKE, 0);
  WaitIfAsked(P);
  v.TA = fdiv(v.TA, prime);
  v.YTAKE = v.YTAKE + 18;
  WriteCurrentNumber(P);
  WaitIfAsked(P);
}

}  // namespace

void ShowFactorLadder(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.TA = v.SOSU;
  v.TA1 = static_cast<float>(platform::kLen(numToText(v.TA)));
  // Both bounds are read once, at the start of their loop: the key wait's prompt text uses N
  // as scratch. With no prime found there is no row to draw (and no prime to divide by).
  const float slots = v.Q;
  for (float k = 1; k <= slots; ++k) {
    v.II = k;
    const float prime = v.G_a(k, 1);
    v.SO_s = NumberWithoutBlanks(P, prime);
    // The last prime is divided out once less than its exponent, so the ladder ends on it.
    v.N = k < slots ? v.G_a(k, 2) : v.G_a(k, 2) - 1;
    const float steps = v.N;
    for (float j = 1; j <= steps; ++j) {
      v.J = j;
      DivisionStep(P, prime);
    }
  }
  v.NASI = 0;
}

}  // namespace geometry
