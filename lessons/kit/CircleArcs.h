// Arcs of a figure's circle between the directions of two points of the table.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// The arc of radius r about point `centre` from the direction of point `arm2` clockwise on the
// page to that of point `arm1`, in colour. Writes the arms and ITI = 1; ComputeArmAngles leaves
// HH1 to HH5.
void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour);

}  // namespace kit
