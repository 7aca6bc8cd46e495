// The equal-angle dot: a disc on the bisector of an angle of the figure, the same dot in every
// angle that the text says is equal to it.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// A disc of `radius` filled in its own colour, `distance` from the vertex on the bisector of
// the angle from the arm towards `arm1` counter-clockwise to the arm towards `arm2`. Writes the
// arms (ZX0 to ZY2), NAGASA = distance and ITI = 1; ComputeArmAngles leaves HH1 to HH5.
void DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float radius, float colour);

}  // namespace kit
