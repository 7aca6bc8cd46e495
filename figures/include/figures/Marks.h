// Figure marks: direction angles, corner marks and vertex labels, angle arcs, grid paper,
// arc signs, segment marks and polygons through the point tables.
#pragma once

#include "shell/Program.h"

namespace figures {

using shell::Program;

void ComputeArmAngles(Program& P);
void VectorAngle(Program& P);
void MeasureAngleDegrees(Program& P);
void DrawCornerMark(Program& P);
void PlaceVertexLabel(Program& P);
void DrawAngleArcs(Program& P);
void DrawGrid(Program& P);
void DrawArcMark(Program& P);
void DrawEqualLengthTicks(Program& P);
void DrawParallelMarks(Program& P);
void DrawPolygon(Program& P);
void LabelPolygonLetters(Program& P);
void LabelPolygonFromList(Program& P);

}  // namespace figures
