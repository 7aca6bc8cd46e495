// Points of the point tables X(), Y() computed from others in page units: distances, midpoints,
// the direction from one point to another and points laid off from such a direction.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// The distance from point i to point j in page units. Reads the point table.
float PointDistance(Program& P, int i, int j);
// Point i halfway between points a and b. Writes X(i), Y(i).
void Midpoint(Program& P, int i, int a, int b);
// The direction from point `from` to point `to` (radians, counter-clockwise as the page is seen).
// Writes ZX0, ZY0, ZX1, ZY1; VectorAngle leaves HHP (the direction returned), HH (degrees) and PI.
float DirectionBetween(Program& P, int from, int to);
// Point i `units` grid cells from point `from`, `degrees` counter-clockwise from the direction HHP.
// Reads SIZE, PI, HHP; writes X(i), Y(i).
void PointFromDirection(Program& P, int i, int from, float units, float degrees);

}  // namespace kit
