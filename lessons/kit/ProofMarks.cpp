// Marks beside a proof's reasoning (see ProofMarks.h).
#include "kit/ProofMarks.h"

#include <cmath>

#include "figures/Marks.h"
#include "kit/Figures.h"

namespace kit {

Pen DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float side, float r, float colour) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.NAGASA = distance;
  v.ITI = side;
  figures::ComputeArmAngles(P);
  Pen at{v.ZX0 + v.NAGASA * std::cos(v.HH5), v.ZY0 - v.NAGASA * std::sin(v.HH5)};
  P.pf.circle(at.x, at.y, r, static_cast<int>(colour), 0, 0, platform::kFillLineColour);
  return at;
}

void ArcSignAt(Program& P, float x, float y, float width, float colour) {
  auto& v = P.v;
  v.ZX0 = x; v.ZY0 = y; v.ZX1 = x + width; v.ZY1 = y;
  v.CCC2 = colour; v.HOUKOU = -1; v.HABA = 1; v.TAKASA = -10;
  figures::DrawArcMark(P);
}

}  // namespace kit
