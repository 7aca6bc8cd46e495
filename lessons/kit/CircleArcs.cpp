// Arcs between two directions and ticks across a segment of page points (see CircleArcs.h).
#include "kit/CircleArcs.h"

#include "figures/Marks.h"
#include "kit/Figures.h"

namespace kit {

void DrawArcBetween(Program& P, int centre, float r, float colour, float fromDegrees, float toDegrees) {
  // The page's arcs run clockwise from start to end, so the counter-clockwise arc starts at its far end.
  DrawCircle(P, centre, r, colour, 1 - toDegrees / 360, 1 - fromDegrees / 360);
}

void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour) {
  auto& v = P.v;
  SetAngleArms(P, centre, arm1, arm2);
  v.ITI = 1;
  figures::ComputeArmAngles(P);
  DrawCircle(P, centre, r, colour, v.HH2, v.HH1);
}

void DrawTicksBetween(Program& P, float ax, float ay, float bx, float by, float length, float count, float colour,
                      Keep shift, Keep spacing) {
  auto& v = P.v;
  v.AX = ax; v.AY = ay; v.BX = bx; v.BY = by;
  v.NAGASA = length; v.HONSU = count; v.CCC2 = colour;
  SetIfGiven(v.ITI, shift);
  SetIfGiven(v.AIDA, spacing);
  figures::DrawEqualLengthTicks(P);
}

}  // namespace kit
