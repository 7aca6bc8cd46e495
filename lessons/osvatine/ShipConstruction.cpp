// Screen 5 of the ship lesson: the ship's position constructed on the map with ruler and compass,
// one stroke per key: the 30° circle through A and B, the 45° circle through C and D, and P where
// they cut in the sea. Nothing is cleared between the three constructions.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "osvatine/ShipStrokes.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;

// Step ①: the heading, the map, and circle O through A and B.
void constructCircle30(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .margin = 40, .heading = "問3"});
  kit::TextOnNewLine(P, v.XI1, 50, "船の位置はどこ？", 3);
  kit::TextOnNewLine(P, v.XI1, 50, "Pの位置を作図しよう。", 7);
  DrawShipMap(P);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 50, "①∠APB=30% の円", 0);
  v.R1 = kit::PointDistance(P, O, A);
  shell::WaitAnyKey(P);
  v.R2 = kit::PointDistance(P, A, B);
  kit::CompassArcStep(P, kStrokeAB, v.R2);
  shell::WaitAnyKey(P);
  kit::CompassArcStep(P, kStrokeAO, v.R1);
  shell::WaitAnyKey(P);
  kit::CompassArcStep(P, kStrokeBO, v.R1);
  shell::WaitAnyKey(P);
  kit::DrawDot(P, O, 6, 5);
  kit::LetterAt(P, O, 0, 0, "O", 5);
  shell::WaitAnyKey(P);
  kit::DrawCircle(P, O, v.R1, 0);
  shell::WaitAnyKey(P);
}

// Step ②: circle O' through C and D, from the right isosceles triangle on CD.
void constructCircle45(Program& P) {
  auto& v = P.v;
  kit::TextOnNewLine(P, v.XI1, 50, "②∠CPD=45% の円", 0);
  Os(P).R3 = kit::PointDistance(P, O2, Corner);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, C, LineEnd, 0);
  shell::WaitAnyKey(P);
  StrokeOpenedTo(P, kStrokeAboutD, D, C);
  shell::WaitAnyKey(P);
  StrokeOpenedTo(P, kStrokeCToFoot, C, Corner);
  shell::WaitAnyKey(P);
  StrokeOpenedTo(P, kStrokeBeyondDToFoot, BeyondD, Foot);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, Foot, UpEnd, 0);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, C, Corner, 0);
  shell::WaitAnyKey(P);
  StrokeOpenedTo(P, kStrokeCBisecting, C, Bisector1);
  shell::WaitAnyKey(P);
  StrokeOpenedTo(P, kStrokeCornerBisecting, Corner, Bisector2);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, Bisector1, Bisector2, 0);
  shell::WaitAnyKey(P);
  kit::DrawDot(P, O2, 6, 5);
  kit::LetterAt(P, O2, 0, 0, "O'", 5);
  shell::WaitAnyKey(P);
  kit::DrawCircle(P, O2, Os(P).R3, 0);
  shell::WaitAnyKey(P);
}

// Step ③: the ship where the circles cut in the sea, its sight lines and the two angles.
void markShip(Program& P) {
  auto& v = P.v;
  kit::TextOnNewLine(P, v.XI1, 50, "③点Pの位置", 0);
  kit::TextOnNewLine(P, v.XI1, 50, "　海にある円の交点", 0);
  shell::WaitAnyKey(P);
  DrawShip(P);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, A, Ship, 0);
  kit::DrawSegment(P, B, Ship, 0);
  DrawObservedAngle(P, B, A, "30%");
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, C, Ship, 0);
  kit::DrawSegment(P, D, Ship, 0);
  DrawObservedAngle(P, C, D, "45%");
}

}  // namespace

Screen ShipConstruction(Program& P) {
  constructCircle30(P);
  constructCircle45(P);
  markShip(P);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
