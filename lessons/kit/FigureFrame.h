// Figures laid out on an invisible grid: the frame that fixes the origin without drawing a line,
// and the centre of a figure's circle with its radius.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// The frame of columns x rows cells of `size` at (left, top), with no grid line drawn. Writes
// GGX, GGY, YOKO, TATE, SIZE and CCC2 = 15; DrawGrid leaves GX0, GY0, GX1, GY1, GX2, GY2 and PI.
void FigureFrame(Program& P, float left, float top, float columns, float rows, float size);
// Point `centre` at (gx, gy) grid units and R1 = `cells` grid cells in page units. Reads GX0,
// GY0, SIZE.
void CentreAndRadius(Program& P, int centre, float gx, float gy, float cells);

}  // namespace kit
