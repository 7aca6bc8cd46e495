// The equal-angle dot on an angle's bisector (see AngleDots.h).
#include "kit/AngleDots.h"

#include <cmath>

#include "figures/Marks.h"
#include "kit/Figures.h"
#include "platform/Page.h"

namespace kit {

void DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float radius, float colour) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.NAGASA = distance;
  v.ITI = 1;
  figures::ComputeArmAngles(P);
  float x = v.ZX0 + v.NAGASA * std::cos(v.HH5);
  float y = v.ZY0 - v.NAGASA * std::sin(v.HH5);
  P.pf.circle(x, y, radius, static_cast<int>(colour), 0, 0, platform::kFillLineColour);
}

}  // namespace kit
