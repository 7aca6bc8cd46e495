// Points on a figure's circle whose directions the figure keeps (see Lunevar.h).
#include "kit/Points.h"
#include "lunevar/Lunevar.h"

namespace lunevar {

void PlaceKeepingDirections(shell::Program& P, int centre, std::span<const DirectedPoint> points, int shift) {
  for (const DirectedPoint& c : points) {
    float& direction = Lv(P).*c.direction;
    direction = kit::Radians(P, c.degrees);
    kit::PointAtRadians(P, c.index + shift, centre, P.v.R1, direction);
  }
}

}  // namespace lunevar
