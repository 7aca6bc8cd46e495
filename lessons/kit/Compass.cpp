// Compass strokes (see Compass.h): the directions of the targets, the widened arc ends, the dot
// and the arc.
#include "kit/Compass.h"

#include "figures/Marks.h"
#include "kit/Figures.h"

namespace kit {

ArcEnds CompassArcEnds(float startDirection, float endDirection, float span) {
  ArcEnds e{startDirection - span, endDirection + span};
  if (e.end > 1) e.end = e.end - 1;
  if (e.start < 0) e.start = e.start + 1;
  return e;
}

void CompassArcStep(Program& P, const CompassStroke& s, float radius) {
  auto& v = P.v;
  SetAngleArms(P, s.centre, s.first, s.second);
  v.ITI = s.side;
  figures::ComputeArmAngles(P);
  float start = s.form == ArcForm::AcrossFirst ? v.HH1 : v.HH2;
  float end = s.form == ArcForm::AcrossSecond ? v.HH2 : v.HH1;
  ArcEnds e = CompassArcEnds(start, end, s.span);
  if (s.dot > 0) DrawDot(P, s.centre, s.dot, s.colour);
  DrawCircle(P, s.centre, radius, s.colour, e.start, e.end);
}

}  // namespace kit
