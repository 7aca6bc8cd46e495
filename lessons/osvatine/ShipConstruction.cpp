// Screen 5 of the ship lesson: the ship's position constructed on the map with ruler and compass,
// one stroke per key: the 30° circle through A and B, the 45° circle through C and D, and P where
// they cut in the sea. Nothing is cleared between the three constructions.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipPosition.h"
#include "osvatine/ShipStrokes.h"

namespace osvatine {

namespace {

using namespace ship;

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait;

// The screen, one drawing or text per key: the map, ① circle O through A and B, ② circle O'
// through C and D, ③ the ship where they cut in the sea, with its sight lines and angles.
constexpr kit::TextPiece kScreen[] = {
    AtMargin(50, 3, "船の位置はどこ？"),
    AtMargin(50, 7, "Pの位置を作図しよう。"),
    FigurePiece(DrawShipMap),
    kKeyWait, AtMargin(50, 0, "①∠APB=30% の円"),
    FigurePiece([](Program& P) { P.v.R1 = kit::PointDistance(P, O, A); }),
    kKeyWait, FigurePiece(kCircle30Strokes[0]),
    kKeyWait, FigurePiece(kCircle30Strokes[1]),
    kKeyWait, FigurePiece(kCircle30Strokes[2]),
    kKeyWait, FigurePiece([](Program& P) { kit::LetteredDot(P, O, 6, 5, 0, 0, "O", 5); }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawCircle(P, O, P.v.R1, 0); }),
    kKeyWait, AtMargin(50, 0, "②∠CPD=45% の円"),
    FigurePiece([](Program& P) { Os(P).R3 = kit::PointDistance(P, O2, Corner); }),
    kKeyWait, FigurePiece(kCircle45Steps[0]),
    kKeyWait, FigurePiece(kCircle45Steps[1]),
    kKeyWait, FigurePiece(kCircle45Steps[2]),
    kKeyWait, FigurePiece(kCircle45Steps[3]),
    kKeyWait, FigurePiece(kCircle45Steps[4]),
    kKeyWait, FigurePiece(kCircle45Steps[5]),
    kKeyWait, FigurePiece(kCircle45Steps[6]),
    kKeyWait, FigurePiece(kCircle45Steps[7]),
    kKeyWait, FigurePiece(kCircle45Steps[8]),
    kKeyWait, FigurePiece([](Program& P) { kit::LetteredDot(P, O2, 6, 5, 0, 0, "O'", 5); }),
    kKeyWait, FigurePiece([](Program& P) { kit::DrawCircle(P, O2, Os(P).R3, 0); }),
    kKeyWait, AtMargin(50, 0, "③点Pの位置"),
    AtMargin(50, 0, "　海にある円の交点"),
    kKeyWait, FigurePiece(DrawShip),
    kKeyWait, FigurePiece([](Program& P) { DrawSightLines(P, A, B, B, A, "30%"); }),
    kKeyWait, FigurePiece([](Program& P) { DrawSightLines(P, C, D, C, D, "45%"); }),
};

}  // namespace

Screen ShipConstruction(Program& P) {
  kit::OpenPage(P, {.numbers = 40, .margin = 40, .heading = "問3"});
  kit::DrawTextPieces(P, kScreen);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
