// Figures laid out on an invisible grid: the frame that fixes the origin without drawing a line,
// and points placed from another point by a distance in cells and an angle.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// The frame of columns x rows cells of `size` at (left, top), with no grid line drawn. Writes
// GGX, GGY, YOKO, TATE, SIZE and CCC2 = 15; DrawGrid leaves GX0, GY0, GX1, GY1, GX2, GY2 and PI.
void FigureFrame(Program& P, float left, float top, float columns, float rows, float size);
// Point m placed `cells` grid cells from point `from` in the direction `degrees`, counted
// counter-clockwise as the page is seen. Reads SIZE and PI (set by the frame); writes X(m), Y(m).
void PlacePoint(Program& P, int m, int from, float cells, float degrees);
// Point m on the circle of `radius` grid cells about point `centre`, `degrees` counter-clockwise,
// as PlacePoint, with the arguments left where the lessons pass them: M = m, A = centre,
// B = radius, C = degrees.
void PlaceOnCircle(Program& P, int m, int centre, float radius, float degrees);

}  // namespace kit
