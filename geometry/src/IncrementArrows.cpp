// The run and rise arrows of a slope triangle between two points of a line, with the run and
// the rise in grid cells as texts and, on request, as labels beside the arrows.
#include <cmath>
#include <string>
#include <utility>

#include "NumberText.h"
#include "Pen.h"
#include "geometry/Plane.h"
#include "platform/Number.h"
#include "platform/Strings.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

namespace {

void Arrow(Program& P, float fromX, float fromY, float toX, float toY, int colour) {
  shell::Vars& v = P.v;
  v.ZX0 = fromX;
  v.ZY0 = fromY;
  v.ZX = toX;
  v.ZY = toY;
  v.MUKI = 1;
  v.CCC2 = static_cast<float>(colour);
  v.NAGASA = 16;
  DrawArrow(P);
}

// The rise below 1 in size gets its "0" before the point, after a minus sign: "-0.5".
std::string RiseText(Program& P, float rise) {
  std::string t = NumberWithoutBlanks(P, rise);
  size_t point = t.find('.');
  if (std::fabs(rise) >= 1 || point == std::string::npos) return t;
  return t.substr(0, point) + "0" + t.substr(point);
}

void Label(Program& P, const std::string& text, float x, float y, int colour) {
  P.v.CCC1 = static_cast<float>(colour);
  WriteAt(P, text, x, y);
}

}  // namespace

void IncrementArrows(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  if (v.GX3 > v.GX4) {
    std::swap(v.GX3, v.GX4);
    std::swap(v.GY3, v.GY4);
  }
  P.pf.setDrawWidth(5);
  Arrow(P, v.GX3, v.GY3, v.GX4, v.GY3, 7);
  Arrow(P, v.GX4, v.GY3, v.GX4, v.GY4, 3);
  v.X_s = NumberWithoutBlanks(P, fdiv(chk(v.GX4 - v.GX3), v.SIZE));
  v.Y_s = RiseText(P, fdiv(chk(v.GY3 - v.GY4), v.SIZE));
  if (platform::bMid(v.HYOUJI_s, 1, 1) == "y") LabelRunIncrement(P);
  if (platform::bMid(v.HYOUJI_s, 2, 1) == "y") LabelRiseIncrement(P);
}

void LabelRunIncrement(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // On the side of the run arrow where the rise arrow is, inside the triangle.
  float y = v.GY3 > v.GY4 ? v.GY3 - 44 : v.GY3;
  Label(P, v.X_s, (v.GX3 + v.GX4) / 2 - 14, y, 7);
}

void LabelRiseIncrement(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  Label(P, v.Y_s, v.GX4, (v.GY3 + v.GY4) / 2 - 16, 3);
}

}  // namespace geometry
