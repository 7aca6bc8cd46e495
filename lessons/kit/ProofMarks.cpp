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

}  // namespace kit
