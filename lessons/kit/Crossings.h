// Points of a figure found where two of its lines cross: the line through two points of the
// table against the line through two others, the crossing stored as a point of the table.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Point `at` = where the line through points a and b crosses the line through points c and d.
// Writes AX, AY, BX, BY (a, b), CX, CY, DX, DY (c, d); LineIntersection leaves AX2, AY2 (the
// crossing), A1, B1, A2, B2 and KOUTEN. Parallel lines leave AX2, AY2, and so the point, as they were.
void LineCrossing(Program& P, int at, int a, int b, int c, int d);

}  // namespace kit
