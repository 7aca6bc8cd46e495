// Screen 3 of the ship lesson: a point P that sees C and D at 45°, the circle through C, D and
// P about O', and why O' is the midpoint of the hypotenuse of the right isosceles triangle on CD.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

using namespace ship;

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait, kit::SameLine;

// The screen under its question, one drawing or text per key.
constexpr kit::TextPiece kScreen[] = {
    // C, D, and a point P of the circle with its 45° angle.
    FigurePiece([](Program& P) {
      Landmark(P, C, "C");
      Landmark(P, D, "D");
      Os(P).R3 = kit::PointDistance(P, O2, Corner);
      kit::PointAtDegrees(P, Own, O2, Os(P).R3, 100);
      kit::LetteredDot(P, Own, 6, 0, -14, -50, "P", 0);
      kit::DrawSegment(P, Own, C, 0);
      kit::DrawSegment(P, Own, D, 0);
      kit::DrawAngleMark(P, {.vertex = Own, .arm1 = C, .arm2 = D, .length = 50, .count = 0, .side = 1,
                             .textColour = 3, .line = 0, .fill = 3, .label = "45%"});
    }),
    // The circle about O' (labelled with the digit 0).
    kKeyWait, FigurePiece([](Program& P) {
      kit::DrawCircle(P, O2, Os(P).R3, 0);
      kit::LetteredDot(P, O2, 6, 3, -14, -48, "0", 0);
    }),
    kKeyWait, FigurePiece([](Program& P) {
      kit::DrawSegment(P, C, O2, 7);
      kit::DrawSegment(P, D, O2, 7);
    }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawCornerOnSide(P, O2, C, D, 25, 5, -1); }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawSegment(P, C, D, 7); }),
    kKeyWait, FigurePiece([](Program& P) {
      kit::DrawPath(P, {Corner, O2, D}, 7, kit::PathKind::Closed);
      kit::DrawCornerOnSide(P, O2, Corner, D, 25, 5, -1);
    }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawCornerOnSide(P, D, Corner, C, 35, 5, -1); }),
    kKeyWait, FigurePiece([](Program& P) {
      kit::DrawTicks(P, C, D, 15, 1, 5, 0, 8);
      kit::DrawTicks(P, Corner, D, 15, 1, 5, 0, 8);
    }),
    kKeyWait, AtMargin(70, 0, "CDを斜辺ではない1辺とする"),
    AtMargin(50, 3, "直角二等辺三角形で、"),
    kKeyWait, AtMargin(50, 0, "円の中心は、"),
    SameLine(0, 5, "斜辺の中点"),
    kKeyWait, AtMargin(50, 0, "円の半径は、"),
    SameLine(0, 5, "斜辺の半分の長さ"),
};

}  // namespace

Screen Angle45Circle(Program& P) {
  kit::OpenPage(P, {.numbers = 40, .margin = 40});
  kit::GridPaper(P, 40, 50, 11, 7, 15, 120);
  SetUpShipFigure(P);
  kit::TextOnNewLine(P, P.v.XI1, 0, "∠CPD=45% となるときの円の中心と半径は？", 3);
  kit::DrawTextPieces(P, kScreen);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
