// The coordinate plane and plotting, arrows, braces and sign routines, points on lines and
// arcs.
#pragma once

#include "shell/Program.h"

namespace geometry {

using shell::Program;

void DrawCoordinatePlane(Program& P);
void NumberAxisTicks(Program& P);
void PlotPoint(Program& P);
void PlotGraph(Program& P);
void PlotCurveDots(Program& P);
void PlotVerticalLine(Program& P);
void FlipSign(Program& P);
void DropPlusSign(Program& P);
void DropSign(Program& P);
void DrawBrace(Program& P);
void ColumnOperation(Program& P);
void DrawArrow(Program& P);
void IncrementArrows(Program& P);
void LabelRunIncrement(Program& P);
void LabelRiseIncrement(Program& P);
void PointOnLine(Program& P);
void PointOnArcOverSegment(Program& P);

}  // namespace geometry
