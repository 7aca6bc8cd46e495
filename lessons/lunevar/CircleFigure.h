// The figure the proofs and practice of items 2 and 3 start from: the circle about O, the
// chords PA and PB of the inscribed angle, the radii OA and OB of the central angle.
#pragma once

#include "shell/Program.h"

namespace lunevar {

// Grid paper of 16 by 16 cells of 30 at (left, top), no line drawn, with O (point `o`) at cell
// (8, 8), the draw width 5 and R1 = 7 cells, the radius of the figure's circle. Writes what
// kit::GridPaper writes.
void InscribedAngleGrid(shell::Program& P, float left, float top, int o);

// The centre dot, the circle of radius R1, the chords AP and BP, the radii AO and BO, and the
// letters A and B outside the circle. Reads R1 and the point table; writes what the letters write.
void DrawInscribedAngleFigure(shell::Program& P, int o, int a, int b, int p);

}  // namespace lunevar
