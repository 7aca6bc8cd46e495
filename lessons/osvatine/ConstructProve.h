// Menu item 2, constructions and proofs: goal, sub-menu, the tangents from a point to a circle,
// the circumscribed quadrilateral, and the three proofs of similar triangles and equal arcs.
#pragma once

#include <span>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "shell/Program.h"

namespace osvatine {

using shell::Program;
using shell::Screen;

Screen ConstructProveLessonStart(Program& P);
void ConstructProveGoalText(Program& P);
Screen ConstructProveSubMenu(Program& P);

// Points of the tangent construction, which its screen sets up in page units.
namespace tangent {
constexpr int M = 0, O = 1, A = 2, P = 3, P2 = 4, EndP = 5, EndP2 = 6;
// The crossings of the two compass arcs, and the bisector's ends beyond them.
constexpr int Upper = 11, Lower = 12, BisectorTop = 13, BisectorFoot = 14;
}  // namespace tangent

// The tangents from a point to a circle, constructed; the perimeter of a circumscribed quadrilateral.
Screen TangentConstruction(Program& P);
Screen TangentPerimeter(Program& P);

// An angle of a proof's figure as one filled sector of size `length` at the vertex, between the
// arms: outline 0, the given fill, no label.
constexpr kit::AngleMark FilledAngle(int vertex, int arm1, int arm2, float length, float fill) {
  return {vertex, arm1, arm2, length, 0, 1, 3, 0, fill, ""};
}

// The circle of the proofs' figures: point `centre` at (gx, gy) on the grid, R1 = `cells` grid
// cells, and the four points listed on it in their directions, kept in radians in DHRA, DHRB,
// DHRC and DHRD in the list's order.
void PointsOnProofCircle(Program& P, int centre, float gx, float gy, float cells,
                         std::span<const kit::OnCircle, 4> ends);

// Two chords AB and CD meeting at P: triangles PAC and PDB are similar, with four blanks.
Screen ChordsSimilarityProof(Program& P);
// Two secants from A: triangles ABE and ACD are similar, with three blanks.
Screen Problem5Answer(Program& P);

// Parallel chords cut off equal arcs, and the converse: two proofs on one figure.
Screen ParallelChordsProof(Program& P);

}  // namespace osvatine
