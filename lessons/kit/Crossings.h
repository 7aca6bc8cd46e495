// Points of a figure found where its lines and circles cross: the line through two points of the
// table against the line through two others, or two circles about points of the table, the
// crossings stored as points of the table.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Point `at` = where the line through points a and b crosses the line through points c and d.
// Writes AX, AY, BX, BY (a, b), CX, CY, DX, DY (c, d); LineIntersection leaves AX2, AY2 (the
// crossing), A1, B1, A2, B2 and KOUTEN. Parallel lines leave AX2, AY2, and so the point, as they were.
void LineCrossing(Program& P, int at, int a, int b, int c, int d);

// Points `first` and `second` = where the circle of radius r1 about point c1 meets the circle of
// radius r2 about point c2 (page units): their common chord cut with the first circle. Seen from
// c1 towards c2, `first` lies on the left as the page is seen. Writes X1, Y1, RR1 (the first circle), X2,
// Y2, RR2 (the second); RadicalAxis leaves A, B, C and CircleLineIntersection D, X3, Y3 (first),
// X4, Y4 (second). Circles that do not meet are an illegal function call.
// Point `at` = the foot of the perpendicular from point c to the line through points a and b
// (with the page-coloured dot the routine leaves there). Writes AX, AY, BX, BY, CX, CY; leaves EX, EY.
void PerpendicularFoot(Program& P, int at, int a, int b, int c);

void CircleCrossing(Program& P, int c1, float r1, int c2, float r2, int first, int second);

}  // namespace kit
