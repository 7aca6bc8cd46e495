// Polygons of a figure and the marks on their sides: the outline through points of the table
// with its vertices lettered, the foot of a perpendicular dropped onto a side, and the dotted
// sign over a side with its label (a length or a letter).
#pragma once

#include <initializer_list>
#include <string>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// The closed polygon through the listed points (3 to 10) at pen width `width` in colour, its
// vertices lettered from `firstLetter` on ("A" gives A, B, C, ...; "" none), `gap` out, in the
// colour CCC1 holds. Writes G(), KAKU, SIZE1, CCC2, NAGASA, AAA$; the letters clear ITI, NAGASA.
void LetteredPolygon(Program& P, std::initializer_list<int> points, float width, float colour, float gap,
                     const std::string& firstLetter);
// Point `at` = the foot of the perpendicular from point c to the line through points a and b
// (with the page-coloured dot the routine leaves there). Writes AX, AY, BX, BY, CX, CY; leaves EX, EY.
void PerpendicularFoot(Program& P, int at, int a, int b, int c);
// The dotted sign over the side from point `from` to point `to`: on the side `side` names
// (HOUKOU), `height` from it, dots `spacing` degrees apart in colour, and its label at the apex in
// the colour CCC1 holds. Writes A, B, ZX0, ZY0, ZX1, ZY1, HOUKOU, TAKASA, HABA, CCC2, AAA$; the
// sign leaves ZX0, ZY0 at its apex and clears ITI, NAGASA.
void SideSign(Program& P, int from, int to, float side, float height, float spacing, float colour,
              const std::string& label);

}  // namespace kit
