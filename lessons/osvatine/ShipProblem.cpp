// Screen 1 of the ship lesson: the map of the coast with its four landmarks and the sea, then the
// ship P and the two angles at which it sees A and B, and C and D, one key apart.
#include "kit/Marks.h"
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

namespace osvatine {

using namespace ship;

Screen ShipProblem(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .margin = 40, .heading = "P170"});
  kit::TextOnNewLine(P, v.XI1, 50, "船の位置はどこ？", 3);
  DrawShipMap(P);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "船の位置をPとすると", 0);
  DrawShip(P);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "∠APB=30%", 3);
  kit::DrawSegment(P, A, Ship, 0);
  kit::DrawSegment(P, B, Ship, 0);
  DrawObservedAngle(P, B, A, "30%");
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "∠CPD=45%", 3);
  kit::DrawSegment(P, C, Ship, 0);
  kit::DrawSegment(P, D, Ship, 0);
  DrawObservedAngle(P, C, D, "45%");
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
