// The figure the proofs and practice of items 2 and 3 start from: the circle about O, the
// chords PA and PB of the inscribed angle, the radii OA and OB of the central angle.
#pragma once

#include <span>

#include "lunevar/Lunevar.h"

namespace lunevar {

// On grid paper of 16 by 16 cells of 30 at (left, top), no line drawn: O (point `o`) at cell
// (8, 8), R1 = 7 cells, and the rows' points on the circle with their directions kept, the first
// three A, B and P. Then at draw width 5 the centre dot, the circle, the chords AP and BP, the
// radii AO and BO, and the letters A and B outside the circle. Writes what kit::GridPaper and the
// letters write.
void InscribedAngleFigure(Program& P, float left, float top, int o, std::span<const DirectedPoint> points);

}  // namespace lunevar
