// Screen 3 of the ship lesson: a point P that sees C and D at 45°, the circle through C, D and
// P about O', and why O' is the midpoint of the hypotenuse of the right isosceles triangle on CD.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;

// A right-angle mark drawn with the arms taken in the other order (ITI -1).
void rightAngle(Program& P, int vertex, int arm1, int arm2, float length) {
  P.v.ITI = -1;
  kit::DrawCorner(P, vertex, arm1, arm2, length, 5);
}

using Drawing = void (*)(Program&);
constexpr Drawing kDrawings[] = {
    // 1: C, D, and a point P of the circle with its 45° angle.
    [](Program& P) {
      Landmark(P, C, "C");
      Landmark(P, D, "D");
      Os(P).R3 = kit::PointDistance(P, O2, Corner);
      kit::PointAtDegrees(P, Own, O2, Os(P).R3, 100);
      kit::LetteredDot(P, Own, 6, 0, -14, -50, "P", 0);
      kit::DrawSegment(P, Own, C, 0);
      kit::DrawSegment(P, Own, D, 0);
      kit::DrawAngleMark(P, {.vertex = Own, .arm1 = C, .arm2 = D, .length = 50, .count = 0, .side = 1,
                             .textColour = 3, .line = 0, .fill = 3, .label = "45%"});
    },
    // 2: the circle about O' (labelled with the digit 0).
    [](Program& P) {
      kit::DrawCircle(P, O2, Os(P).R3, 0);
      kit::LetteredDot(P, O2, 6, 3, -14, -48, "0", 0);
    },
    [](Program& P) {
      kit::DrawSegment(P, C, O2, 7);
      kit::DrawSegment(P, D, O2, 7);
    },
    [](Program& P) { rightAngle(P, O2, C, D, 25); },
    [](Program& P) { kit::DrawSegment(P, C, D, 7); },
    [](Program& P) {
      kit::DrawPath(P, {Corner, O2, D}, 7, kit::PathKind::Closed);
      rightAngle(P, O2, Corner, D, 25);
    },
    [](Program& P) { rightAngle(P, D, Corner, C, 35); },
    [](Program& P) {
      kit::DrawTicks(P, C, D, 15, 1, 5, 0, 8);
      kit::DrawTicks(P, Corner, D, 15, 1, 5, 0, 8);
    },
    [](Program& P) {
      kit::TextOnNewLine(P, P.v.XI1, 70, "CDを斜辺ではない1辺とする", 0);
      kit::TextOnNewLine(P, P.v.XI1, 50, "直角二等辺三角形で、", 3);
    },
    [](Program& P) {
      kit::TextOnNewLine(P, P.v.XI1, 50, "円の中心は、", 0);
      kit::TextOnLine(P, 0, "斜辺の中点", 5);
    },
    [](Program& P) {
      kit::TextOnNewLine(P, P.v.XI1, 50, "円の半径は、", 0);
      kit::TextOnLine(P, 0, "斜辺の半分の長さ", 5);
    },
};
constexpr int kLastStep = std::size(kDrawings) - 1;

}  // namespace

Screen Angle45Circle(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .margin = 40});
  kit::GridPaper(P, 40, 50, 11, 7, 15, 120);
  SetUpShipFigure(P);
  kit::TextOnNewLine(P, v.XI1, 0, "∠CPD=45% となるときの円の中心と半径は？", 3);
  for (int step = 0; step <= kLastStep; ++step) {
    kDrawings[step](P);
    if (step < kLastStep) shell::WaitAnyKey(P);
  }
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
