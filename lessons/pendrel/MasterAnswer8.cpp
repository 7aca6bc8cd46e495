// Answer 8 of the second set: M and N are the midpoints of the chords AP and AQ; with the
// diameter AB, ∠AMO = ∠ANO = 90°, so A, O, M and N lie on one circle.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

constexpr kit::OnCircle kOnCircle[] = {{1, 180}, {2, 0}, {3, 50}, {5, 110}};  // A, B, P, Q
constexpr Letter kLetters[] = {{"A", 1, -32, -25}, {"P", 3, 10, -25}};

// A parallel mark: one arrowhead at the middle of the segment, pointing towards its second end.
template <int m, int n>
void parallelMark(Program& P) {
  P.v.M = static_cast<float>(m);
  P.v.N = static_cast<float>(n);
  kit::DrawParallelArrows(P, m, n, 1, 1, 20, 1, 3);
}

constexpr Letter kLetterB[] = {{"B", 2, 10, -25}};

// The ticks on the halves of the chords AP and AQ, each group 8 past the middle towards the
// second end (AIDA is set again for every group: the ticks leave it grown).
constexpr TextPiece kHalvesOfChords[] = {
    TicksPiece<1, 6, 1>,
    TicksPiece<6, 5, 1>,
    TicksPiece<1, 4, 2>,
    TicksPiece<4, 3, 2>,
};

constexpr TextPiece kSteps[] = {
    kKeyWait, SegmentPiece<1, 2>, LettersPiece<kLetterB>, AtMargin(60, 0, "直径ABをひくと、"),
    kKeyWait, SegmentPiece<3, 2>, SegmentPiece<0, 4>, SameLine(0, 0, "△APBで"),
    kKeyWait, CornerPiece<3, 1, 2, 30, 3>,
    kKeyWait, TicksPiece<1, 0, 3>, TicksPiece<0, 2, 3>,
    kKeyWait, FigurePiece(parallelMark<0, 4>), FigurePiece(parallelMark<2, 3>),
    kKeyWait, CornerPiece<4, 1, 0, 30, 5>,
    kKeyWait, SegmentPiece<0, 6, 7>, CornerPiece<6, 1, 0, 30, 5>,
    kKeyWait, AtMargin(50, 0, "∠APB＝90%"),
    kKeyWait, AtMargin(50, 0, "中点連結定理から、MO∥PB "),
    kKeyWait, AtMargin(50, 0, "同位角は等しいので "), AtMargin(50, 3, "∠AMO=90% …①"),
    kKeyWait, AtMargin(70, 0, "△AQBでも同じようにして、"), AtMargin(50, 3, "∠ANO=90% …②"),
    kKeyWait, AtMargin(50, 0, "①②から、"), AtMargin(50, 3, "4点A,O,M,NはAOの同じ側にあって"),
    AtMargin(50, 3, "∠AMO=∠ANOだから同じ円周上にある。"),
};

}  // namespace

Screen MasterAnswer8(Program& P) {
  OpenCirclePage(P, {"P179 解答", "8", 40, 40, 30}, 100);
  kit::PointsAtCellsViaMABC(P, 0, 3, kOnCircle);
  kit::Midpoint(P, 4, 1, 3);  // M
  kit::Midpoint(P, 6, 1, 5);  // N

  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, 10);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 1, 5);
  DrawLetters(P, kLetters);
  kit::LetteredDot(P, 4, 6, 0, -14, -50, "M", 0);
  kit::LetterAt(P, 5, -14, -50, "Q", 0);
  kit::LetteredDot(P, 6, 6, 0, -14, -50, "N", 0);
  DrawTextPieces(P, kHalvesOfChords);

  DrawTextPieces(P, kSteps);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
