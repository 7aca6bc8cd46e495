// Arcs between the directions of two points (see CircleArcs.h).
#include "kit/CircleArcs.h"

#include "figures/Marks.h"
#include "kit/Figures.h"

namespace kit {

void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour) {
  auto& v = P.v;
  SetAngleArms(P, centre, arm1, arm2);
  v.ITI = 1;
  figures::ComputeArmAngles(P);
  DrawCircle(P, centre, r, colour, v.HH2, v.HH1);
}

}  // namespace kit
