// Pendrel's own figure steps: each passes its points through the shared variables that the
// answers' own steps write (A, B, C; M, N; N1 to N3), besides what the kit's mark writes.
#pragma once

#include <span>

#include "kit/Marks.h"
#include "shell/Program.h"

namespace pendrel {

using shell::Program;

// The polyline a, b, c in colour 0, open or closed. Writes A, B, C.
void PathViaABC(Program& P, int a, int b, int c, kit::PathKind kind);
// The segment from point m to point n in colour. Writes M, N.
void SegmentViaMN(Program& P, int m, int n, float colour = 0);
// An angle mark with its vertex and arms kept in A, B, C.
using kit::AngleMarkViaABC;
// A right-angle mark of side `length` in colour at vertex n1 between n2 and n3, the arms taken
// in the order `side` names (kit::DrawCornerOnSide). Writes N1, N2, N3.
void RightAngleViaN123(Program& P, int n1, int n2, int n3, float side, float length, float colour);

// A row of an answer's table of angle marks: at `vertex` from the arm towards `arm1`
// counter-clockwise to the arm towards `arm2`, `count` arcs (0: one filled sector with a
// colour-0 outline) in `fill`, and the label in its colour ("" for none).
struct Mark {
  int vertex, arm1, arm2;
  float length, count, fill;
  const char* label;
  float labelColour;
};
// The row as an angle mark with ITI 1, CCC2 0 and AAAX = AAAY = 0 (kit::AngleMarkViaABC).
void DrawMarkViaABC(Program& P, const Mark& m);
void DrawMarksViaABC(Program& P, std::span<const Mark> marks);

}  // namespace pendrel
