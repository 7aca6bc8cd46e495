// Points of the point tables X(), Y() placed in page units: at grid places, on a circle by their
// direction, from the distance and direction between others, halfway between two, and where a
// figure's lines and circles cross.
#pragma once

#include <initializer_list>
#include <span>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Each placer's name says its units: a radius in page units unless the name says Cells, a
// direction in radians or degrees, counter-clockwise as the page is seen.

// ---- Grid places: in grid units from the origin that the grid paper or the figure frame
// (Marks.h) leaves.

// Point i at (gx, gy) grid units from the origin, in page units. Reads GX0, GY0, SIZE.
void GridPoint(Program& P, int i, float gx, float gy);
// The listed points, held in grid units, turned into page units in place. Reads GX0, GY0, SIZE.
void GridToPage(Program& P, std::initializer_list<int> points);
// A point of a figure given in grid units.
struct GridEntry {
  int point;
  float x, y;
};
// Each entry's point at its grid place, in page units (as GridPoint). Reads GX0, GY0, SIZE.
void PlaceGridEntries(Program& P, std::span<const GridEntry> entries);
// Point `centre` at (gx, gy) grid units and R1 = `cells` grid cells in page units. Reads GX0,
// GY0, SIZE.
void CentreAndRadius(Program& P, int centre, float gx, float gy, float cells);

// ---- On a circle, by direction.

// `degrees` in radians, with the PI the routines set (not the library's pi).
float Radians(Program& P, float degrees);
// Point i on the circle of radius r about point `centre`, in the direction `radians`. Writes X(i), Y(i).
// A place on the page in page units: where a mark was drawn, or a place the table does not keep.
struct Pen {
  float x, y;
};
// The place on the circle of radius r about point `centre` in the direction `radians`. Reads the
// point table; writes nothing.
Pen PlaceOnCircle(Program& P, int centre, float r, float radians);
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

// ---- Distances, midpoints and directions.

// The distance from point i to point j in page units. Reads the point table.
float PointDistance(Program& P, int i, int j);
// Point i halfway between points a and b. Writes X(i), Y(i).
void Midpoint(Program& P, int i, int a, int b);
// The direction from point `from` to point `to` (radians). Writes ZX0, ZY0, ZX1, ZY1;
// VectorAngle leaves HHP (the direction returned), HH (degrees) and PI.
float DirectionBetween(Program& P, int from, int to);

// ---- Crossings: the line through two points of the table against the line through two others,
// the foot of a perpendicular, or two circles about points of the table, the crossings stored as
// points of the table.

// Point `at` = where the line through points a and b crosses the line through points c and d.
// Writes AX, AY, BX, BY (a, b), CX, CY, DX, DY (c, d); LineIntersection leaves AX2, AY2 (the
// crossing), A1, B1, A2, B2 and KOUTEN. Parallel lines leave AX2, AY2, and so the point, as they were.
void LineCrossing(Program& P, int at, int a, int b, int c, int d);

// Point `at` = the foot of the perpendicular from point c to the line through points a and b
// (with the page-coloured dot the routine leaves there). Writes AX, AY, BX, BY, CX, CY; leaves EX, EY.
void PerpendicularFoot(Program& P, int at, int a, int b, int c);

// Points `first` and `second` = where the circle of radius r1 about point c1 meets the circle of
// radius r2 about point c2 (page units): their common chord cut with the first circle. Seen from
// c1 towards c2, `first` lies on the left as the page is seen. Writes X1, Y1, RR1 (the first circle), X2,
// Y2, RR2 (the second); RadicalAxis leaves A, B, C and CircleLineIntersection D, X3, Y3 (first),
// X4, Y4 (second). Circles that do not meet are an illegal function call.
void CircleCrossing(Program& P, int c1, float r1, int c2, float r2, int first, int second);

}  // namespace kit
