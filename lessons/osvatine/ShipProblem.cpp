// Screen 1 of the ship lesson: the map of the coast with its four landmarks and the sea, then the
// ship P and the two angles at which it sees A and B, and C and D, one key apart.
#include "kit/Figures.h"
#include "kit/Page.h"
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;

constexpr struct {
  int point;
  const char* letter;
} kLandmarks[] = {{A, "A"}, {B, "B"}, {C, "C"}, {D, "D"}};

// The observed angle at the ship between `first` and `second`, a filled sector and its label.
void observedAngle(Program& P, int first, int second, const char* label) {
  kit::DrawAngleMark(P, {.vertex = Ship, .arm1 = first, .arm2 = second, .length = 60, .count = 0, .side = 1,
                         .textColour = 5, .line = 0, .fill = 5, .label = label});
}

}  // namespace

Screen ShowShipProblem(Program& P) {
  auto& v = P.v;
  StartShipScreen(P, 40);
  kit::TextOnNewLine(P, v.XI1, 0, "P170", 3);
  kit::TextOnNewLine(P, v.XI1, 50, "船の位置はどこ？", 3);
  kit::GridPaper(P, 440, 50, 11, 7, 0, 70);
  SetUpShipFigure(P);
  // The land covers the grid lines; the sea is cut out of it.
  P.pf.fillBox(v.GX1, v.GY1, v.GX2, v.GY2, 0, 13);
  kit::DrawPath(P, {21, 22, 23, 24, 25, 26}, 11, kit::PathKind::Filled, 11);
  P.pf.box(v.GX1, v.GY1, v.GX2, v.GY2, 0);
  for (const auto& l : kLandmarks) Landmark(P, l.point, l.letter);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "船の位置をPとすると", 0);
  kit::DrawDot(P, Ship, 6, 5);
  kit::LetterAt(P, Ship, 10, -25, "P", 5);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "∠APB=30%", 3);
  kit::DrawSegment(P, A, Ship, 0);
  kit::DrawSegment(P, B, Ship, 0);
  observedAngle(P, B, A, "30%");
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "∠CPD=45%", 3);
  kit::DrawSegment(P, C, Ship, 0);
  kit::DrawSegment(P, D, Ship, 0);
  observedAngle(P, C, D, "45%");
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
