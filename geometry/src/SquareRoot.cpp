// The square root of a whole number in simplest radical form: the coefficient and what stays
// under the root, as numbers and as texts in the math text markup.
#include <cmath>

#include "NumberText.h"
#include "geometry/Numbers.h"
#include "platform/Number.h"

namespace geometry {

using platform::clng;
using platform::fdiv;
using platform::numToText;

namespace {

constexpr float kPastLastTrial = 201;  // trial factors run from 2 to 200

// Only a positive whole number has square factors to find; every trial square divides 0,
// so the search would never end on it.
bool HasSquareFactorsToTry(float n) { return n > 0 && n == std::floor(n); }

// Each pass moves out the smallest factor whose square divides, then starts again at 2.
void MoveSquaresOut(shell::Vars& v) {
  while (v.R1I != kPastLastTrial) {
    float square = v.R1I * v.R1I;
    if (clng(v.R1B) % clng(square) != 0) {
      v.R1I = v.R1I + 1;
      continue;
    }
    v.R1A = v.R1A * v.R1I;
    v.R1B = fdiv(v.R1B, square);
    v.R1I = 2;
  }
}

}  // namespace

void SimplifySquareRoot(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.R1A = 1;
  v.R1I = 2;
  v.R1B1 = v.R1B;
  if (HasSquareFactorsToTry(v.R1B)) MoveSquaresOut(v);
  else v.R1I = kPastLastTrial;

  v.R1A1_s = v.R1B == 1 ? "" : "!" + numToText(v.R1B);
  if (v.R1A == 1) v.R1A_s = v.R1B == 1 ? "1" : "";
  else v.R1A_s = numToText(v.R1A);
  v.RAB_s = v.R1A_s + v.R1A1_s + "ﾝ";
  v.RABM_s = v.R1B == v.R1B1 ? "" : "!" + numToText(v.R1B1) + "ﾝ=";
  v.R1B_s = v.R1A1_s + "ﾝ";
  v.R1A_s = StripThroughA(P, v.R1A_s);
  v.RAB_s = StripThroughA(P, v.RAB_s);
  v.RABM_s = StripThroughA(P, v.RABM_s);
  v.R1B_s = StripThroughA(P, v.R1B_s);
}

}  // namespace geometry
