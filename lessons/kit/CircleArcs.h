// Arcs of a figure's circle given by the angles of their ends, and equal-length ticks across a
// segment given by its ends on the page rather than by points of the table.
#pragma once

#include "kit/Keep.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// The arc of the circle of radius r about point `centre` that runs counter-clockwise (as the page
// is seen) from the direction `fromDegrees` to `toDegrees`, in colour: the page's arc from
// 1 - to/360 to 1 - from/360. Reads the point table.
void DrawArcBetween(Program& P, int centre, float r, float colour, float fromDegrees, float toDegrees);
// The arc of radius r about point `centre` from the direction of point `arm2` clockwise on the
// page to that of point `arm1`, in colour. Writes the arms and ITI = 1; ComputeArmAngles leaves
// HH1 to HH5.
void DrawArcBetweenArms(Program& P, int centre, int arm1, int arm2, float r, float colour);

// `count` strokes of half-length `length` across the segment from (ax, ay) to (bx, by), in
// colour. Writes AX, AY, BX, BY, NAGASA, HONSU, CCC2 and, where given, ITI (shift along) and
// AIDA (spacing); the mark leaves AIDA grown for the next call.
void DrawTicksBetween(Program& P, float ax, float ay, float bx, float by, float length, float count, float colour,
                      Keep shift = {}, Keep spacing = {});

}  // namespace kit
