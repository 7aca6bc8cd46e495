// Screen 2 of the ship lesson: where the points that see A and B at 30° lie (on the arc AB of
// the circle O whose central angle is 60°), then circle O constructed from the equilateral
// triangle on AB, one compass stroke per key.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"
#include "osvatine/ShipStrokes.h"

namespace osvatine {

namespace {

using namespace ship;

// This screen's P: the other crossing of the map's circles, which lies on circle O.
constexpr int kP = Other;

void pointsAB(Program& P) {
  kit::LetteredDot(P, A, 6, 0, -14, -50, "A", 0);
  kit::LetteredDot(P, B, 6, 0, -14, -50, "B", 0);
}
void pointO(Program& P) { kit::LetteredDot(P, O, 6, 3, 0, 0, "O", 0); }
void circleO(Program& P) { kit::DrawCircle(P, O, P.v.R1, 0); }
// The angle from A to B at `vertex`, a sector filled in colour 3, and its label.
void angleAt(Program& P, int vertex, const char* label) {
  kit::DrawAngleMark(P, {.vertex = vertex, .arm1 = B, .arm2 = A, .length = 60, .count = 0, .side = 1,
                         .textColour = 3, .line = 0, .fill = 3, .label = label});
}
void figureOfP(Program& P) {
  kit::LetteredDot(P, kP, 6, 0, 10, -25, "P", 0);
  kit::DrawSegment(P, kP, A, 0);
  kit::DrawSegment(P, kP, B, 0);
  angleAt(P, kP, "30%");
}
void radiiOA(Program& P) {
  kit::DrawSegment(P, A, O, 0);
  kit::DrawSegment(P, B, O, 0);
}
void eraseFigure(Program& P) { kit::EraseBox(P, P.v.GX1, P.v.GY1, P.v.GX2, P.v.GY2); }

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait, kit::SameLine;

// The screen, one step per key: the text column at the margin and the figure's steps.
constexpr kit::TextPiece kScreen[] = {
    AtMargin(0, 3, "∠APB=30% となる点Pをさがそう。"),
    // The grid (no lines), the map, A and B, and the figure of P.
    FigurePiece([](Program& P) {
      kit::GridPaper(P, 720, 50, 7, 7, 15, 70);
      SetUpShipFigure(P);
      pointsAB(P);
      figureOfP(P);
    }),
    kKeyWait,
    AtMargin(50, 0, "3点ABPを通る円Oをかくと"),
    // Circle O through A, B and P.
    FigurePiece([](Program& P) {
      pointO(P);
      P.v.R1 = kit::PointDistance(P, O, A);
      circleO(P);
    }),
    kKeyWait,
    AtMargin(50, 3, "∠AOB="),
    FigurePiece([](Program& P) {
      radiiOA(P);
      angleAt(P, O, "");
    }),
    kKeyWait,
    SameLine(0, 3, "60%"),
    FigurePiece([](Program& P) { angleAt(P, O, "60%"); }),
    kKeyWait,
    SameLine(0, 0, " だから"),
    SameLine(0, 7, "点Pの位置は、"),
    kKeyWait,
    AtMargin(50, 3, "直線ABについて点Oと同じ側の"),
    SameLine(0, 5, "弧AB上"),
    // Eight points of the arc, each with its lines to A and B, and no key between them.
    FigurePiece([](Program& P) {
      auto& v = P.v;
      v.II = 1;
      do {
        kit::PointAtDegrees(P, Own, O, v.R1, 430 - (v.II - 1) * 40);
        kit::DrawSegment(P, A, Own, 7);
        kit::DrawSegment(P, B, Own, 7);
        v.II = v.II + 1;
      } while (v.II <= 8);
    }),
    kKeyWait,
    AtMargin(70, 7, "円Oを作図しよう。"),
    // The figure again, clean.
    FigurePiece([](Program& P) {
      eraseFigure(P);
      pointO(P);
      circleO(P);
      pointsAB(P);
      figureOfP(P);
      radiiOA(P);
      angleAt(P, O, "60%");
    }),
    kKeyWait,
    AtMargin(50, 0, "△OABは"),
    FigurePiece([](Program& P) { kit::DrawSegment(P, A, B, 0); }),
    kKeyWait,
    SameLine(0, 3, "正三角形"),
    SameLine(0, 0, " だから"),
    kKeyWait,
    AtMargin(50, 0, "①ABを1辺とする正三角形をかく。"),
    kKeyWait,
    AtMargin(50, 0, "②A,B以外の頂点をOとする。"),
    kKeyWait,
    AtMargin(50, 0, "③中心O、半径OAの円をかく。"),
    kKeyWait,
    // The construction starts from A and B alone.
    FigurePiece([](Program& P) {
      eraseFigure(P);
      pointsAB(P);
    }),
    kKeyWait,
    FigurePiece(kCircle30Strokes[0]),
    kKeyWait,
    FigurePiece(kCircle30Strokes[1]),
    kKeyWait,
    FigurePiece(kCircle30Strokes[2]),
    kKeyWait,
    FigurePiece(pointO),
    kKeyWait,
    FigurePiece(circleO),
    kKeyWait,
    FigurePiece(figureOfP),
};

}  // namespace

Screen Angle30Construction(Program& P) {
  kit::OpenPage(P, {.numbers = 40, .margin = 40});
  kit::DrawTextPieces(P, kScreen);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
