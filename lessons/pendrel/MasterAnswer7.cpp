// Answer 7 of the second set: circles O and O' meet at A and B; lines through B meet them at C,
// D and at E, F; △ACD∽△AEF by the inscribed angles on the common chord AB in each circle.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "pendrel/Pendrel.h"

namespace pendrel {

namespace {

constexpr kit::OnCircle kOnCircleO[] = {{3, 210}, {5, 270}};  // C, E
constexpr Letter kLetters[] = {{"A", 1, -14, -50}, {"B", 2, -14, 10}, {"C", 3, -34, -25},
                               {"D", 4, 5, 9},     {"E", 5, -14, 10}, {"F", 6, 10, -25}};
constexpr Mark kAnglesOnArcO[] = {
    {3, 2, 1, 60, 0, 3, "", 3},  // ∠ACD
    {5, 2, 1, 60, 0, 3, "", 3},  // ∠AEF
};
constexpr Mark kAnglesOnArcO2[] = {
    {4, 1, 2, 60, 0, 7, "", 3},  // ∠ADC
    {6, 1, 2, 60, 0, 7, "", 3},  // ∠AFE
};

// The arcs AB that the inscribed angles stand on: of circle O inside circle O', and of circle O'
// inside circle O.
void arcABOfO(Program& P) { kit::DrawArcBetweenArms(P, 0, 2, 1, P.v.R1, 3); }
void arcABOfO2(Program& P) { kit::DrawArcBetweenArms(P, 10, 1, 2, P.v.R2, 7); }

// One key each for the pair, the arcs and the angles on them, then the proof.
constexpr TextPiece kSteps[] = {
    kKeyWait, AtMargin(60, 0, "△ACDと△AEFで，"),
    kKeyWait, FigurePiece(arcABOfO),
    kKeyWait, MarksPiece<kAnglesOnArcO>,
    kKeyWait, FigurePiece(arcABOfO2),
    kKeyWait, MarksPiece<kAnglesOnArcO2>,
    kKeyWait, AtMargin(60, 0, "円Oの弧ABに対する"),
    AtMargin(50, 0, "円周角は等しいので"),
    AtMargin(60, 3, "∠ACD＝∠AEF …①"),
    AtMargin(60, 0, "円O'の弧ABに対する"),
    AtMargin(50, 0, "円周角は等しいので"),
    AtMargin(60, 3, "∠ADC＝∠AFE …②"),
    AtMargin(60, 0, "①，②から，"),
    AtMargin(60, 0, "2組の角がそれぞれ等しいので，"),
    AtMargin(60, 3, "△ACD∽△AEF"),
};

// D and F by fixed ratios beyond B on lines CB and EB, near circle O' but not computed on it.
void pointsByRatio(Program& P) {
  auto& v = P.v;
  auto& L = Pv(P);
  L.C1 = 3; L.C2 = 1.8f; L.C3 = L.C1 + L.C2;
  v.X_a(4) = (L.C3 * v.X_a(2) - L.C2 * v.X_a(3)) / L.C1;
  v.Y_a(4) = (L.C3 * v.Y_a(2) - L.C2 * v.Y_a(3)) / L.C1;
  v.A1 = 3; v.A2 = 5.3f; L.A3 = v.A1 + v.A2;
  v.X_a(6) = (L.A3 * v.X_a(2) - v.A2 * v.X_a(5)) / v.A1;
  v.Y_a(6) = (L.A3 * v.Y_a(2) - v.A2 * v.Y_a(5)) / v.A1;
}

}  // namespace

Screen MasterAnswer7(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, {"P179 解答", "7", 40, 40, 30});
  kit::GridPaper(P, 560, 100, 10, 6, 15, 65);
  kit::GridPoint(P, 0, 3, 3);
  kit::GridPoint(P, 10, 7, 3);
  v.R1 = 3 * v.SIZE;
  v.R2 = 2.5f * v.SIZE;
  kit::PointsAtCellsViaMABC(P, 0, 3, kOnCircleO);
  kit::CircleCrossing(P, 10, 2.5f * v.SIZE, 0, v.SIZE * 3, 2, 1);  // A, the upper point, and B
  pointsByRatio(P);

  kit::DrawPath(P, {1, 5, 6}, 0, kit::PathKind::Filled, 13);
  kit::DrawCircle(P, 0, v.R1, 0);
  kit::DrawCircle(P, 10, v.R2, 0);
  kit::DrawDot(P, 0, 6, 0);
  kit::DrawDot(P, 10, 6, 0);
  kit::LetterAt(P, 0, -24, -55, "O", 0);
  kit::LetterAt(P, 10, -14, -50, "O'", 0);
  P.pf.setDrawWidth(8);
  kit::DrawPath(P, {1, 3, 4}, 9, kit::PathKind::Closed);
  P.pf.setDrawWidth(5);
  DrawLetters(P, kLetters);

  DrawTextPieces(P, kSteps);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
