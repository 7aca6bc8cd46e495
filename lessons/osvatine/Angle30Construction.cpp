// Screen 2 of the ship lesson: where the points that see A and B at 30° lie (on the arc AB of
// the circle O whose central angle is 60°), then circle O constructed from the equilateral
// triangle on AB, one compass stroke per key.
#include "kit/Figures.h"
#include "kit/Page.h"
#include "kit/TablePoints.h"
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"
#include "osvatine/ShipStrokes.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace ship;

// This screen's P: the other crossing of the map's circles, which lies on circle O.
constexpr int kP = Other;

void pointA(Program& P) {
  kit::DrawDot(P, A, 6, 0);
  kit::LetterAt(P, A, -14, -50, "A", 0);
}
void pointB(Program& P) {
  kit::DrawDot(P, B, 6, 0);
  kit::LetterAt(P, B, -14, -50, "B", 0);
}
void pointO(Program& P) {
  kit::DrawDot(P, O, 6, 3);
  kit::LetterAt(P, O, 0, 0, "O", 0);
}
void circleO(Program& P) { kit::DrawCircle(P, O, P.v.R1, 0); }
// The angle from A to B at `vertex`, a sector filled in colour 3, and its label.
void angleAt(Program& P, int vertex, const char* label) {
  kit::DrawAngleMark(P, {.vertex = vertex, .arm1 = B, .arm2 = A, .length = 60, .count = 0, .side = 1,
                         .textColour = 3, .line = 0, .fill = 3, .label = label});
}
void figureOfP(Program& P) {
  kit::DrawDot(P, kP, 6, 0);
  kit::LetterAt(P, kP, 10, -25, "P", 0);
  kit::DrawSegment(P, kP, A, 0);
  kit::DrawSegment(P, kP, B, 0);
  angleAt(P, kP, "30%");
}
void radiiOA(Program& P) {
  kit::DrawSegment(P, A, O, 0);
  kit::DrawSegment(P, B, O, 0);
}
void eraseFigure(Program& P) { kit::EraseBox(P, P.v.GX1, P.v.GY1, P.v.GX2, P.v.GY2); }

using Drawing = void (*)(Program&);
constexpr Drawing kDrawings[] = {
    // 0: the grid (no lines), the map, A and B, and the figure of P.
    [](Program& P) {
      kit::GridPaper(P, 720, 50, 7, 7, 15, 70);
      SetUpShipFigure(P);
      pointA(P);
      pointB(P);
      figureOfP(P);
    },
    // 1: circle O through A, B and P.
    [](Program& P) {
      pointO(P);
      P.v.R1 = kit::PointDistance(P, O, A);
      circleO(P);
    },
    [](Program& P) {
      radiiOA(P);
      angleAt(P, O, "");
    },
    [](Program& P) { angleAt(P, O, "60%"); },
    [](Program&) {},
    // 5: eight points of the arc, each with its lines to A and B, and no key between them.
    [](Program& P) {
      auto& v = P.v;
      v.II = 1;
      do {
        kit::PointOnCircle(P, Own, O, v.R1, (430 - (v.II - 1) * 40) * v.PI / 180);
        kit::DrawSegment(P, A, Own, 7);
        kit::DrawSegment(P, B, Own, 7);
        v.II = v.II + 1;
      } while (v.II <= 8);
    },
    // 6: the figure again, clean.
    [](Program& P) {
      eraseFigure(P);
      pointO(P);
      circleO(P);
      pointA(P);
      pointB(P);
      figureOfP(P);
      radiiOA(P);
      angleAt(P, O, "60%");
    },
    [](Program& P) { kit::DrawSegment(P, A, B, 0); },
    [](Program&) {},
    [](Program&) {},
    [](Program&) {},
    [](Program&) {},
    // 12: the construction starts from A and B alone.
    [](Program& P) {
      eraseFigure(P);
      pointA(P);
      pointB(P);
    },
    [](Program& P) {
      P.v.R2 = kit::PointDistance(P, A, B);
      kit::CompassArcStep(P, kStrokeAB, P.v.R2);
    },
    [](Program& P) { kit::CompassArcStep(P, kStrokeAO, P.v.R1); },
    [](Program& P) { kit::CompassArcStep(P, kStrokeBO, P.v.R1); },
    pointO,
    circleO,
    figureOfP,
};
constexpr int kLastStep = std::size(kDrawings) - 1;

// The text column, step by step: a new line `down` below the last, or (kSameLine) continuing it.
constexpr float kSameLine = -1;
struct Piece {
  int step;
  float down;
  const char* text;
  float colour;
};
constexpr Piece kTexts[] = {
    {0, 0, "∠APB=30% となる点Pをさがそう。", 3},
    {1, 50, "3点ABPを通る円Oをかくと", 0},
    {2, 50, "∠AOB=", 3},
    {3, kSameLine, "60%", 3},
    {4, kSameLine, " だから", 0},
    {4, kSameLine, "点Pの位置は、", 7},
    {5, 50, "直線ABについて点Oと同じ側の", 3},
    {5, kSameLine, "弧AB上", 5},
    {6, 70, "円Oを作図しよう。", 7},
    {7, 50, "△OABは", 0},
    {8, kSameLine, "正三角形", 3},
    {8, kSameLine, " だから", 0},
    {9, 50, "①ABを1辺とする正三角形をかく。", 0},
    {10, 50, "②A,B以外の頂点をOとする。", 0},
    {11, 50, "③中心O、半径OAの円をかく。", 0},
};

}  // namespace

Screen ShowAngle30Construction(Program& P) {
  auto& v = P.v;
  StartShipScreen(P, 40);
  for (int step = 0; step <= kLastStep; ++step) {
    for (const Piece& t : kTexts) {
      if (t.step != step) continue;
      if (t.down == kSameLine) kit::TextOnLine(P, 0, t.text, t.colour);
      else kit::TextOnNewLine(P, v.XI1, t.down, t.text, t.colour);
    }
    kDrawings[step](P);
    if (step < kLastStep) shell::WaitAnyKey(P);
  }
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
