// Marks that proofs put beside their reasoning, beyond those of Figures.h: the equal-angle dot
// on an angle's bisector.
#pragma once

#include "kit/Boxes.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// A dot of radius r in colour, `distance` from the vertex on the bisector of the angle between
// the arms (taken in the order `side` names, as ITI). Writes the arms (SetAngleArms), NAGASA,
// ITI; ComputeArmAngles leaves HH1 to HH5 and PI. Returns the dot's centre.
Pen DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float side, float r, float colour);

}  // namespace kit
