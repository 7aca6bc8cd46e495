// Menu item 1, where the ship is: goal, sub-menu, the ship map shared by its screens, and the
// screens that pose the problem and construct the 30° and 45° circles.
#pragma once

#include "shell/Program.h"

namespace osvatine {

using shell::Program;
using shell::Screen;

Screen ShipPositionLessonStart(Program& P);
void ShipGoalText(Program& P);
Screen ShipPositionSubMenu(Program& P);

// The ship map in the point table, in page units of the grid just laid out (reads SIZE, GX0, GY0).
// Leaves the 30° circle in X1, Y1, RR1, the 45° circle in X2, Y2, RR2, their common chord in A, B,
// C, the two crossings in X3, Y3 and X4, Y4, and HHP, HH (the direction D to O'), D, PI, ZX0 to ZY1.
void SetUpShipFigure(Program& P);
// Entries of the ship map (9 to 15 are construction aids of the 45° circle, 21 to 26 the sea).
namespace ship {
constexpr int MidAB = 0, A = 1, B = 2, C = 3, D = 4, O = 5, O2 = 6, Ship = 7, Other = 8;
// The aids of the 45° circle: C reflected in D, line CD beyond D, the perpendicular at D on either
// side (12 is the right isosceles triangle's third vertex), the bisector of C to 12 either side of O'.
constexpr int BeyondD = 9, LineEnd = 10, Foot = 11, Corner = 12, UpEnd = 13, Bisector1 = 14, Bisector2 = 15;
constexpr int Sea1 = 21, Sea6 = 26;
// A point of the screens' own (a point P of their figures).
constexpr int Own = 31;
}  // namespace ship

// A landmark: a dot of radius 6 in colour 0 with its letter's top-left on the point.
void Landmark(Program& P, int point, const char* letter);
// The map of screens 1 and 5: grid paper (its lines then hidden by the land), the ship map set up,
// the land, the sea, the frame and the landmarks A to D with their letters on the points.
void DrawShipMap(Program& P);
// The ship: its dot and its letter above and to the right, in colour 5.
void DrawShip(Program& P);
// The sight lines from the ship to landmarks a and b in colour 0, then the angle at the ship from
// the direction of `first` to that of `second`: a sector filled in colour 5 and its label. Sets
// every mark input.
void DrawSightLines(Program& P, int a, int b, int first, int second, const char* label);

Screen ShipProblem(Program& P);
Screen Angle30Construction(Program& P);
Screen Angle45Circle(Program& P);
Screen Angle45Construction(Program& P);
Screen ShipConstruction(Program& P);

// Screen 6's own points over the ship map's (0 the midpoint of CD, 6 the centre O of the circle
// through C, D and P, 7 the equilateral triangle's apex, 8 and 9 the bisectors' ends, 41 P), and
// R1 = |OC|, R2 = |CD|, R3 = R2 + 16. Leaves ZX0, ZY0, ZX1, ZY1, HHP, HH, PI from its last direction.
void SetUpDiscussionPoints(Program& P);
Screen AngleSumDiscussion(Program& P);

}  // namespace osvatine
