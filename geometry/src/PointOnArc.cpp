// The point at a given angle on the circle or half-ellipse standing on a segment: the segment
// is one axis, TAKASA the other semi-axis, and the angle walks from the segment's end round
// its left-hand side to its start.
#include <cmath>

#include "figures/Marks.h"
#include "geometry/Plane.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;

void PointOnArcOverSegment(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.ZX11 = v.ZX0;
  v.ZY11 = v.ZY0;
  v.ZX12 = v.ZX1;
  v.ZY12 = v.ZY1;
  v.CX = chk(v.ZX1 - v.ZX0);
  v.CY = chk(v.ZY1 - v.ZY0);
  v.RR = chk(std::sqrt(chk(v.CX * v.CX + v.CY * v.CY)) / 2);
  // Work as if the segment ran from its start to the right, then turn the point about the
  // start by the segment's direction.
  v.ZX2 = v.ZX0 + v.RR;
  v.ZY2 = v.ZY0;
  figures::VectorAngle(P);
  v.H = v.HHP;
  v.HH = v.KAKUDO * v.PI / 180;
  v.ZX3 = chk(v.ZX2 + v.RR * std::cos(v.HH));
  v.ZY3 = chk(v.ZY2 - v.TAKASA * std::sin(v.HH));
  v.ZX1 = v.ZX3;
  v.ZY1 = v.ZY3;
  figures::VectorAngle(P);
  float dx = v.ZX3 - v.ZX0, dy = v.ZY3 - v.ZY0;
  v.R = chk(std::sqrt(chk(dx * dx + dy * dy)));
  v.ZX = chk(v.ZX0 + v.R * std::cos(v.H + v.HHP));
  v.ZY = chk(v.ZY0 - v.R * std::sin(v.H + v.HHP));
}

}  // namespace geometry
