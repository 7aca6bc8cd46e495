// The fraction library: reduces a fraction, finds gcd and lcm by Euclid's method, adds two
// fractions over their least common denominator, and writes each result in the fraction markup.
#include <cmath>
#include <string>
#include <utility>

#include "mathtext/Fractions.h"
#include "mathtext/MathText.h"
#include "platform/Errors.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "shell/Prompt.h"

namespace mathtext {

using platform::chk;
using platform::fdiv;
using shell::Vars;

namespace {

// The number's text without the blank that the conversion puts before a non-negative number.
std::string Digits(Program& P, float n) {
  P.v.A_s = platform::numToText(n);
  shell::StripBlanks(P);
  return P.v.A_s;
}

std::string Fraction(const std::string& numerator, const std::string& denominator) {
  return "ﾀ" + numerator + "/" + denominator + "ﾀ";
}

std::string Plain(Program& P, const std::string& markup) {
  P.v.A_s = markup;
  StripMarkup(P);
  return P.v.A_s;
}

// A negative denominator hands its sign to the numerator: -1/-2 becomes 1/2 and 3/-5 becomes
// -3/5, so the common denominator is positive and the sum right for any signs. A zero
// denominator has no sum; like one typed at a prompt it is a division by zero.
void MoveSignUp(float& numerator, float& denominator) {
  if (denominator == 0) platform::raise(platform::DivisionByZero);
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
}

// A result with its sign in front, and the same as a signed term that follows another term.
void Signed(bool positive, const std::string& text, std::string& alone, std::string& term) {
  alone = (positive ? "" : "-") + text;
  term = positive ? "+" + alone : alone;
}

void WriteReducedTexts(Vars& v) {
  const bool positive = v.YAK1 != -1;
  if (v.YAK == 1) Signed(positive, v.DS_s, v.A2_s, v.A21_s);
  else if (v.YAK == 2) Signed(positive, Fraction(v.DS_s, v.DB_s), v.A2_s, v.A21_s);
  else if (v.YAK == 3) Signed(true, Fraction(v.DS1_s, v.DA1_s), v.A2_s, v.A21_s);
  // A zero denominator (YAK 0) leaves both results as an earlier call left them.
}

}  // namespace

float FloorRemainder(Program&, float a, float b) { return chk(a - chk(b * platform::fint(fdiv(a, b)))); }

void GcdLcm(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  P.sl(59);
  v.X1 = v.DS;
  v.X2 = v.DB;
  v.LB8 = chk(v.X1 * v.X2);
  while (v.X2 != 0) {
    v.X1 = FloorRemainder(P, v.X1, v.X2);
    std::swap(v.X1, v.X2);
  }
  v.X3 = v.X1;
  v.X4 = fdiv(v.LB8, v.X3);
}

void ReduceFraction(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  P.sl(30);
  v.DB1 = v.DB;
  v.DS1 = v.DS;
  v.YAK1 = chk(v.DS * v.DB) < 0 ? -1 : 1;
  if (v.DB == 0) {
    v.E1 = v.DS;
    v.E2 = 0;
    v.YAK = 0;
  } else if (v.DB == 1) {
    // A denominator of -1 is reduced below and ends with YAK 1 as well.
    v.E1 = v.DS;
    v.E2 = 1;
    v.YAK = 1;
  } else {
    v.DS = std::fabs(v.DS);
    v.DB = std::fabs(v.DB);
    GcdLcm(P);
    v.E1 = fdiv(chk(v.YAK1 * v.DS), v.X3);
    v.E2 = fdiv(v.DB, v.X3);
    if (v.E1 == 0 || v.E2 == 1) v.YAK = 1;
    else if (v.E2 == v.DB1 && v.YAK1 == 1) v.YAK = 3;
    else v.YAK = 2;
  }
  v.DS = v.E1;
  v.DB = v.E2;
  v.DS1_s = Digits(P, v.DS1);
  v.DA1_s = Digits(P, v.DB1);
  v.DB_s = Digits(P, v.DB);
  v.DS_s = Digits(P, v.DS);
  v.A1_s = Fraction(v.DS1_s, v.DA1_s);
  v.LEM = static_cast<float>(platform::kLen(v.DS_s));
  v.A_s = platform::kLeft(v.DS_s, 1);
  if (v.A_s == "-") v.DS_s = platform::kRight(v.DS_s, v.LEM - 1);
  WriteReducedTexts(v);
  v.FDS1_s = std::string(v.YAK1 == 1 ? 1 : 0, '+');
  if (v.YAK == 3) {
    v.A3_s = v.A2_s;
    v.A31_s = v.A21_s;
  } else {
    v.A3_s = v.A1_s + "=" + v.A2_s;
    v.A31_s = v.FDS1_s + v.A1_s + "=" + v.A21_s;
  }
  v.TKAI1_s = Plain(P, v.A2_s);
  v.TKAI2_s = Plain(P, v.A21_s);
}

void AddFractions(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  P.sl(69);
  MoveSignUp(v.DSM1, v.DBM1);
  MoveSignUp(v.DSM2, v.DBM2);
  if (v.DBM1 == 1 && v.DBM2 == 1) {
    v.DB = 1;
    v.DS1 = v.DSM1;
    v.DS2 = v.DSM2;
  } else if (v.DBM1 == 1) {
    v.DB = v.DBM2;
    v.DS1 = chk(v.DSM1 * v.DBM2);
    v.DS2 = v.DSM2;
  } else if (v.DBM2 == 1) {
    v.DB = v.DBM1;
    v.DS1 = v.DSM1;
    v.DS2 = chk(v.DSM2 * v.DBM1);
  } else {
    // Reducing |DBM1|/|DBM2| leaves their gcd in X3 and their lcm in X4.
    v.DB = std::fabs(v.DBM2);
    v.DS = std::fabs(v.DBM1);
    ReduceFraction(P);
    v.DB = v.X4;
    v.DS1 = fdiv(chk(v.DSM1 * v.DBM2), v.X3);
    v.DS2 = fdiv(chk(v.DSM2 * v.DBM1), v.X3);
  }
  v.DS4 = chk(v.DS1 + v.DS2);
  v.DS1_s = Digits(P, std::fabs(v.DS1));
  v.B1_s = v.DS1_s;
  v.DB_s = Digits(P, v.DB);
  v.DS2_s = Digits(P, std::fabs(v.DS2));
  v.B2_s = v.DS2_s;
  v.DS4_s = Digits(P, std::fabs(v.DS4));
  Signed(v.DSM1 > 0, Fraction(v.DS1_s, v.DB_s), v.A1_s, v.A11_s);
  Signed(v.DSM2 > 0, Fraction(v.DS2_s, v.DB_s), v.A2_s, v.A21_s);
  if (v.DSM1 < 0) {
    v.DS3_s = v.DS1_s;
    v.DS1_s = "-" + v.DS1_s;
  }
  v.DS2_s = (v.DSM2 < 0 ? "-" : "+") + v.DS2_s;
  Signed(v.DS4 > 0, Fraction(v.DS4_s, v.DB_s), v.A4_s, v.A41_s);
  v.A3_s = Fraction(v.DS1_s + v.DS2_s, v.DB_s);
  // The first fraction as written above followed by the second as a term; with a zero first
  // numerator that is the "-ﾀ0/..ﾀ" form of the first fraction.
  v.A5_s = v.A1_s + v.A21_s;
  v.B3_s = Fraction(v.B1_s, v.DB_s);
  v.B4_s = Fraction(v.B2_s, v.DB_s);
}

}  // namespace mathtext
