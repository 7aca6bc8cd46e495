// Screen 1 of the ship lesson: the map of the coast with its four landmarks and the sea, then the
// ship P and the two angles at which it sees A and B, and C and D, one key apart.
#include "kit/Text.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

using namespace ship;

using kit::AtMargin, kit::FigurePiece, kit::kKeyWait;

constexpr kit::TextPiece kScreen[] = {
    AtMargin(50, 3, "船の位置はどこ？"),
    FigurePiece(DrawShipMap),
    kKeyWait, AtMargin(50, 0, "船の位置をPとすると"),
    FigurePiece(DrawShip),
    kKeyWait, AtMargin(50, 3, "∠APB=30%"),
    FigurePiece([](Program& P) { DrawSightLines(P, A, B, B, A, "30%"); }),
    kKeyWait, AtMargin(50, 3, "∠CPD=45%"),
    FigurePiece([](Program& P) { DrawSightLines(P, C, D, C, D, "45%"); }),
};

}  // namespace

Screen ShipProblem(Program& P) {
  kit::OpenPage(P, {.numbers = 40, .margin = 40, .heading = "P170"});
  kit::DrawTextPieces(P, kScreen);
  return {ShipPositionSubMenu};
}

}  // namespace osvatine
