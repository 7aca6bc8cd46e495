// Screen 4 of the ship lesson: the 45° circle constructed with ruler and compass in three stages
// (the right isosceles triangle on CD, the midpoint of its hypotenuse, the circle), one line,
// compass stroke or text per key.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "osvatine/ShipStrokes.h"

namespace osvatine {

namespace {

using namespace ship;

using kit::AtMargin, kit::AtNumbers, kit::FigurePiece, kit::kKeyWait;

// The stages, one text or drawing per key: a stage's heading at XI0 in colour 7, its sub-steps
// at XI1 in colour 0.
constexpr kit::TextPiece kSteps[] = {
    kKeyWait, AtNumbers(50, 7, "1 直角二等辺三角形の作図"),
    kKeyWait, AtMargin(50, 0, "① Dを通る垂線をかく"),
    kKeyWait, FigurePiece(kCircle45Steps[0]),
    kKeyWait, FigurePiece(kCircle45Steps[1]),
    kKeyWait, FigurePiece(kCircle45Steps[2]),
    kKeyWait, FigurePiece(kCircle45Steps[3]),
    kKeyWait, FigurePiece(kCircle45Steps[4]),
    kKeyWait, AtMargin(50, 0, "② 円との交点とCを結ぶ"),
    kKeyWait, FigurePiece(kCircle45Steps[5]),
    kKeyWait, AtNumbers(50, 7, "2 斜辺の中点の作図"),
    kKeyWait, AtMargin(50, 0, "① 斜辺の垂直二等分線をかく"),
    kKeyWait, FigurePiece(kCircle45Steps[6]),
    kKeyWait, FigurePiece(kCircle45Steps[7]),
    kKeyWait, FigurePiece(kCircle45Steps[8]),
    kKeyWait, AtMargin(50, 0, "② 交点をOとする"),
    FigurePiece([](Program& P) { kit::LetteredDot(P, O2, 6, 5, 0, 0, "O", 5); }),
    kKeyWait, AtNumbers(50, 7, "3 円の作図"), AtMargin(50, 0, "① 中心がO、半径OCの円をかく"),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawCircle(P, O2, Os(P).R3, 5); }),
};

}  // namespace

Screen Angle45Construction(Program& P) {
  // The sub-steps stand 27 right of the stage headings.
  kit::OpenPage(P, {.numbers = 40, .margin = 40 + 27, .heading = "問2 ∠CPD=45% となる点Pのある円を作図しよう。",
                    .headingAtNumbers = true});
  kit::GridPaper(P, 40, 50, 11, 7, 15, 100);
  SetUpShipFigure(P);
  Landmark(P, C, "C");
  Landmark(P, D, "D");
  Os(P).R3 = kit::PointDistance(P, O2, Corner);
  kit::DrawTextPieces(P, kSteps);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
