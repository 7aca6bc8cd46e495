// Line and circle geometry of the worked answers: feet of perpendiculars, intersections
// of lines, the radical axis and circle-line intersections.
#pragma once

#include "shell/Program.h"

namespace geometry {

using shell::Program;

void FootOfPerpendicular(Program& P);
void LineIntersection(Program& P);
void RadicalAxis(Program& P);
void CircleLineIntersection(Program& P);

}  // namespace geometry
