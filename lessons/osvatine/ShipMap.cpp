// The ship map as screens 1 and 5 draw it, the ship on it, and the angles at which the ship sees
// its landmarks.
#include "kit/Marks.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

using namespace ship;

constexpr struct {
  int point;
  const char* letter;
} kLandmarks[] = {{A, "A"}, {B, "B"}, {C, "C"}, {D, "D"}};

}  // namespace

void DrawShipMap(Program& P) {
  auto& v = P.v;
  kit::GridPaper(P, 440, 50, 11, 7, 0, 70);
  SetUpShipFigure(P);
  // The land covers the grid lines; the sea is cut out of it.
  P.pf.fillBox(v.GX1, v.GY1, v.GX2, v.GY2, 0, 13);
  kit::DrawPath(P, {21, 22, 23, 24, 25, 26}, 11, kit::PathKind::Filled, 11);
  P.pf.box(v.GX1, v.GY1, v.GX2, v.GY2, 0);
  for (const auto& l : kLandmarks) Landmark(P, l.point, l.letter);
}

void DrawShip(Program& P) { kit::LetteredDot(P, Ship, 6, 5, 10, -25, "P", 5); }

void DrawSightLines(Program& P, int a, int b, int first, int second, const char* label) {
  kit::DrawSegment(P, a, Ship, 0);
  kit::DrawSegment(P, b, Ship, 0);
  kit::DrawAngleMark(P, {.vertex = Ship, .arm1 = first, .arm2 = second, .length = 60, .count = 0, .side = 1,
                         .textColour = 5, .line = 0, .fill = 5, .label = label});
}

}  // namespace osvatine
