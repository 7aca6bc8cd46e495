// Marks placed from what a figure mark leaves: a dot at the pen an empty vertex label leaves,
// and the corner mark on the side the caller chooses.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// A dot of radius r at the pen moved by (dx, dy), filled in its own colour. Reads X, Y.
void DotAtPen(Program& P, float dx, float dy, float r, float colour);
// The corner mark of size `length` between the arms, the arms taken in the order `side` gives
// (ITI). Writes the arms, NAGASA, CCC2, ITI; the mark leaves ZX3 to ZY5 and HH1 to HH5.
void DrawCornerOnSide(Program& P, int vertex, int arm1, int arm2, float length, float colour, float side);

}  // namespace kit
