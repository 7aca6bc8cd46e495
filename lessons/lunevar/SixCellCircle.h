// The circle figure of items 4 and 5: on an invisible grid of 6 by 6 cells of 70 at (760, 100),
// the circle of 3 cells (210) about O at cell (3, 3), with its points placed by their angles.
#pragma once

#include <span>

#include "lunevar/Lunevar.h"

namespace lunevar {

// A point of the figure: its index in the point table, its direction from O in degrees
// (counter-clockwise as the page is seen), and how far it stands off the circle (outwards).
struct FigurePoint {
  int index;
  float degrees;
  float offCircle = 0;
};

// Lays out the grid (GX0, GY0, PI), puts O at index 0 and the points in page units, and draws the
// circle in colour 0 at the draw width in force.
void DrawSixCellCircle(Program& P, std::span<const FigurePoint> points);

}  // namespace lunevar
