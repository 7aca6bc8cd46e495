// Small steps that item 1's figures repeat on the point tables: a point on the circle about O,
// an angle's vertex and arms, a segment, a dot, and a letter beside a vertex.
#pragma once

#include "shell/Program.h"

namespace lunevar {

using shell::Program;

// Point i on the circle of radius R1 about point 1, in the direction theta (radians,
// counter-clockwise as the page is seen).
void PointOnCircle(Program& P, int i, float theta);
// The vertex and arm points of the next mark: points vertex, arm1 and arm2.
void SetAngleArms(Program& P, int vertex, int arm1, int arm2);
void DrawSegment(Program& P, int from, int to, int colour);
// A dot of radius r on point i, filled in its own colour.
void DrawDot(Program& P, int i, float r, int colour);
// The letter text beside a vertex, on the side that the arms and side select.
void LabelVertex(Program& P, int vertex, int arm1, int arm2, const char* text, float colour, float gap, float side);

}  // namespace lunevar
