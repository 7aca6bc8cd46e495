// Marks that proofs put beside their reasoning, beyond those of Figures.h: the equal-angle dot
// on an angle's bisector, and the arc sign over letters that stand anywhere on the page.
#pragma once

#include "kit/Boxes.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// A dot of radius r in colour, `distance` from the vertex on the bisector of the angle between
// the arms (taken in the order `side` names, as ITI). Writes the arms (SetAngleArms), NAGASA,
// ITI; ComputeArmAngles leaves HH1 to HH5 and PI. Returns the dot's centre.
Pen DotOnBisector(Program& P, int vertex, int arm1, int arm2, float distance, float side, float r, float colour);

// The arc sign over the letters whose top-left is (x, y), `width` across (54 for two letters at
// pitch 27), in colour. Writes ZX0, ZY0, ZX1, ZY1, CCC2, HOUKOU, HABA, TAKASA as
// ArcSignOverLetters does; the text cursor stays.
void ArcSignAt(Program& P, float x, float y, float width = 54, float colour = 0);

}  // namespace kit
