// Directions of arms and vectors, the arc ends the circle operation takes, and the size of an
// angle in degrees. An angle's arc runs from HH2 to HH1 and so covers the sweep from arm 1 to arm 2.
#include <cmath>

#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/Number.h"
#include "shell/Prompt.h"

namespace figures {

using namespace platform;
using detail::Direction;

void ComputeArmAngles(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.PI = 3.14159f;
  v.HHP = Direction(v.PI, v.ZX0, v.ZY0, v.ZX1, v.ZY1);
  v.HH1 = 1 - v.HHP / (2 * v.PI);
  v.HH3 = v.HHP;
  v.HHP = Direction(v.PI, v.ZX0, v.ZY0, v.ZX2, v.ZY2);
  v.HH2 = 1 - v.HHP / (2 * v.PI);
  v.HH4 = v.HHP;
  if (v.ITI == -1) {
    std::swap(v.HH1, v.HH2);
    std::swap(v.HH3, v.HH4);
  }
  // The middle of the counter-clockwise sweep from arm 1 to arm 2; past the direction to the
  // right it lies half a turn further and is left unreduced (only its sine and cosine are used).
  v.HH5 = (v.HH3 + v.HH4) / 2;
  if (v.HH3 > v.HH4) v.HH5 = v.HH5 + v.PI;
}

void VectorAngle(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.PI = 3.14159f;
  v.HHP = Direction(v.PI, v.ZX0, v.ZY0, v.ZX1, v.ZY1);
  v.HH = v.HHP * 180 / v.PI;
}

void MeasureAngleDegrees(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  ComputeArmAngles(P);
  if (v.HH3 > v.HH4) v.HH4 = v.HH4 + 2 * v.PI;
  v.HH5 = v.HH4 - v.HH3;
  v.HH = v.HH5 * 180 / v.PI;
  // Rounded to the nearest tenth, so that 46.99999 reads "47".
  v.KAKUDO_s = numToText(static_cast<float>(cint(v.HH * 10)) / 10);
  v.A_s = v.KAKUDO_s;
  shell::StripBlanks(P);
  v.KAKUDO_s = v.A_s;
}

}  // namespace figures
