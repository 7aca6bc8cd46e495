// The arc sign over a chord: a half-ellipse of dots from one end to the other, laid out as if
// the chord ran to the right and turned with it, and a label just beyond its apex.
#include <cmath>

#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/CountedLoop.h"
#include "platform/Number.h"

namespace figures {

using namespace platform;

namespace {

// The point at angle HH (radians) on the unturned half-ellipse about (ZX2, ZY2), turned about
// the chord's start by the chord's direction H; left in ZX, ZY.
void PointOnSign(Program& P) {
  shell::Vars& v = P.v;
  v.ZX3 = chk(v.ZX2 + v.RR * std::cos(v.HH));
  v.ZY3 = chk(v.ZY2 - fdiv(v.TAKASA, v.RR) * v.RR * std::sin(v.HH));
  v.ZX1 = v.ZX3;
  v.ZY1 = v.ZY3;
  VectorAngle(P);
  v.R = std::sqrt(chk(chk((v.ZX3 - v.ZX0) * (v.ZX3 - v.ZX0)) + chk((v.ZY3 - v.ZY0) * (v.ZY3 - v.ZY0))));
  v.ZX = chk(v.ZX0 + v.R * std::cos(v.H + v.HHP));
  v.ZY = chk(v.ZY0 - v.R * std::sin(v.H + v.HHP));
}

}  // namespace

void DrawArcMark(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // Heights from 0 up to 16 are counted in sixteenths; a negative one is a height in units.
  if (v.TAKASA > 0 && v.TAKASA < 16) {
    v.TAKASA = chk(v.TAKASA * 16);
  } else if (v.TAKASA < 0) {
    v.TAKASA = std::fabs(v.TAKASA);
  }
  v.ZX11 = v.ZX0;
  v.ZY11 = v.ZY0;
  v.ZX12 = v.ZX1;
  v.ZY12 = v.ZY1;
  v.CX = chk(v.ZX1 - v.ZX0);
  v.CY = chk(v.ZY1 - v.ZY0);
  v.RR = std::sqrt(chk(chk(v.CX * v.CX) + chk(v.CY * v.CY))) / 2;
  v.ZX2 = v.ZX0 + v.RR;
  v.ZY2 = v.ZY0;
  VectorAngle(P);
  v.H = v.HHP;
  if (v.HOUKOU > 0) {
    v.D1 = 180;
    v.D2 = 360;
  } else {
    v.D1 = 0;
    v.D2 = 180;
  }
  if (v.HABA > 0 && v.RR > 0) {
    // The dot at the first angle is always drawn; a step too fine to move the angle ends the dots.
    CountBy(v.II, v.D1, v.D2, v.HABA, [&] {
      v.HH = v.II * v.PI / 180;
      PointOnSign(P);
      P.pf.circle(v.ZX, v.ZY, 0.5f, detail::Colour(v.CCC2), 0, 0, kFillLineColour);
    });
    v.HH = ((v.D1 + v.D2) / 2) * v.PI / 180;
    PointOnSign(P);
  } else {
    // No sign can be drawn over a point or with no step between dots: the label still goes
    // to the chord's start and the one-shot inputs are still used up.
    v.ZX = v.ZX11;
    v.ZY = v.ZY11;
  }
  v.ZX2 = v.ZX12;
  v.ZY2 = v.ZY12;
  v.ZX1 = v.ZX11;
  v.ZY1 = v.ZY11;
  v.ZX0 = v.ZX;
  v.ZY0 = v.ZY;
  v.NAGASA = 0;
  v.ITI = v.HOUKOU;
  PlaceVertexLabel(P);
}

}  // namespace figures
