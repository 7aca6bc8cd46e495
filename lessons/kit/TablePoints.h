// Points of the point tables X(), Y() placed in page units: on a circle by their direction, from
// the distance and direction between others, and halfway between two.
#pragma once

#include <span>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Each placer's name says its units: a radius in page units unless the name says Cells, a
// direction in radians or degrees, counter-clockwise as the page is seen.

// `degrees` in radians, with the PI the routines set (not the library's pi).
float Radians(Program& P, float degrees);
// Point i on the circle of radius r about point `centre`, in the direction `radians`. Writes X(i), Y(i).
void PointAtRadians(Program& P, int i, int centre, float r, float radians);
// The same with the direction in degrees.
void PointAtDegrees(Program& P, int i, int centre, float r, float degrees);
// Point i at distance r from point `from`, `degrees` counter-clockwise from the direction HHP
// (as DirectionBetween leaves it). Reads PI, HHP; writes X(i), Y(i).
void PointTurnedFromHHP(Program& P, int i, int from, float r, float degrees);
// Point m on the circle of `cells` grid cells about point `centre`, in the direction `degrees`,
// its arguments left where the lessons' own placer leaves them: M = m, A = centre, B = cells,
// C = degrees. Reads SIZE, PI.
void PointAtCellsViaMABC(Program& P, int m, int centre, float cells, float degrees);

// A point of a figure on its circle: its table entry and its direction in degrees.
struct OnCircle {
  int point;
  float degrees;
};
// Each row's point on the circle of radius r about point `centre` (PointAtDegrees).
void PointsAtDegrees(Program& P, int centre, float r, std::span<const OnCircle> points);
// Each row's point on the circle of `cells` grid cells about `centre` (PointAtCellsViaMABC).
void PointsAtCellsViaMABC(Program& P, int centre, float cells, std::span<const OnCircle> points);

// The distance from point i to point j in page units. Reads the point table.
float PointDistance(Program& P, int i, int j);
// Point i halfway between points a and b. Writes X(i), Y(i).
void Midpoint(Program& P, int i, int a, int b);
// The direction from point `from` to point `to` (radians). Writes ZX0, ZY0, ZX1, ZY1;
// VectorAngle leaves HHP (the direction returned), HH (degrees) and PI.
float DirectionBetween(Program& P, int from, int to);

}  // namespace kit
