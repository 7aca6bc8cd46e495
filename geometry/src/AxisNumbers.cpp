// The values of the plane's fifth lines (cell index times the scale) written beside the axes
// through the plain label renderer.
#include <cmath>
#include <string>
#include <utility>

#include "Counting.h"
#include "NumberText.h"
#include "geometry/Plane.h"
#include "mathtext/TextBoxes.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;

namespace {

// P1$: the value of the line at index II, with a "0" before the point of a value below 1 and
// the minus sign put before the digits of the magnitude ("-0.5").
void LineValueText(Program& P, float scale) {
  shell::Vars& v = P.v;
  v.P1 = chk(v.II * scale);
  v.P2 = std::fabs(v.P1);
  v.P2_s = NumberWithoutBlanks(P, v.P2);
  if (v.P2 > 0 && v.P2 < 1) v.P2_s = "0" + v.P2_s;
  v.P1_s = v.P1 < 0 ? "-" + v.P2_s : v.P2_s;
}

// Writes the fifth lines' values along one axis; place gives the pen once LLT is measured.
template <class Place>
void NumberAxis(Program& P, float from, float to, float scale, Place place) {
  shell::Vars& v = P.v;
  CountUp(v.II, from, to, [&] {
    LineValueText(P, scale);
    if (v.II == 0 || !OnFifthLine(v.II)) return;
    v.A_s = v.P1_s;
    mathtext::MeasurePlainText(P);
    auto [x, y] = place();
    v.X = x;
    v.CCC1 = 0;
    v.Y = y;
    v.AA_s = v.P1_s;
    mathtext::PlainMathText(P);
  });
}

}  // namespace

void NumberAxisTicks(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // Centred under the line, 4 below the x axis; ending 10 left of the y axis.
  NumberAxis(P, v.AA1, v.AA2, v.BAIX, [&] {
    return std::pair(chk(v.GX0 + v.SIZE * v.II - v.LLT / 2), v.GY0 + 4);
  });
  NumberAxis(P, v.BB1, v.BB2, v.BAIY, [&] {
    return std::pair(v.GX0 - v.LLT - 10, chk(v.GY0 - v.SIZE * v.II - v.SIZE1 / 2));
  });
}

}  // namespace geometry
