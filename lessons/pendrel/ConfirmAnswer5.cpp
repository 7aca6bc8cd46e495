// First set, answer 5: triangles ABD and CBD on the diameter BD are congruent. The figure
// first, complete; then the reasoning one step per key, with the marks it rests on beside it.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/FigureSteps.h"

namespace pendrel {

namespace {


constexpr Opening kOpening{"P177 解答", "5", 40, 40, 30};

// Entries of the point table: O, A, B, C, D; BD is the diameter, A and C mirror images in it.
enum Point { PO = 0, PA = 1, PB = 2, PC = 3, PD = 4 };

constexpr Letter kLetters[] = {
    {"O", PO, -14, 10}, {"A", PA, 4, -50}, {"B", PB, -34, -25}, {"C", PC, 8, 0}, {"D", PD, 4, -25},
};

constexpr TextPiece kAnglesEqual[] = {
    kKeyWait, SameLine(0, 3, "∠CBD"), SameLine(0, 0, "…②"),
    AtMargin(55, 0, "共通な辺だから，BD＝BD　…③"),
    AtMargin(55, 0, "①，②，③から，直角三角形の"), kKeyWait,
    AtMargin(55, 3, "斜辺と1つの鋭角"), SameLine(0, 0, "が，それぞれ等しいので，"),
    AtMargin(55, 0, "△ABD≡△CBD"),
};

// The equal-angle dot 70 from B in the angle between the arms, in colour 3; the pen X, Y is
// left on it.
template <int arm1, int arm2>
void equalAngleDotAtB(Program& P) {
  kit::Pen at = kit::DotOnBisector(P, PB, arm1, arm2, 70, 1, 8, 3);
  P.v.X = at.x;
  P.v.Y = at.y;
}

// The marks the proof rests on, then the reasoning: working in 0, the terms it rests on in 3;
// lines 55 apart.
constexpr TextPiece kMarksAndRightAngles[] = {
    kKeyWait, AtMargin(60, 0, "△ABDと△CBDで，"),
    kKeyWait, CornerPiece<PA, PB, PD, 30, 3>, CornerPiece<PC, PB, PD, 30, 3>,
    kKeyWait, TicksPiece<PB, PD, 2>,
    kKeyWait, FigurePiece(equalAngleDotAtB<PD, PA>), FigurePiece(equalAngleDotAtB<PC, PD>),
    kKeyWait, AtMargin(55, 0, "半円の弧に対する円周角だから，"), AtMargin(55, 0, "∠BAD＝"),
    kKeyWait, SameLine(0, 3, "∠BCD"), SameLine(0, 0, "＝90°　　　…①"),
    AtMargin(55, 0, "等しい弧に対する円周角は等しいので，"),
};

}  // namespace

Screen ConfirmAnswer5(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, kOpening);
  kit::GridPaper(P, 680, 50, 8, 8, 15, 70);
  kit::GridPoint(P, PO, 4, 4);
  kit::GridPoint(P, PB, 1, 4);
  kit::GridPoint(P, PD, 7, 4);
  v.R1 = v.SIZE * 3;
  kit::PointAtCellsViaMABC(P, PA, PO, 3, 60);
  kit::PointAtCellsViaMABC(P, PC, PO, 3, -60);
  kit::DrawCircle(P, PO, v.R1, 0);
  PathViaABC(P, PA, PB, PD, kit::PathKind::Closed);
  PathViaABC(P, PC, PB, PD, kit::PathKind::Closed);  // BD drawn a second time
  kit::DrawDot(P, PO, 6, 0);
  DrawLetters(P, kLetters);
  kit::DrawCircle(P, PO, v.R1, 3, 0.8333333f, 1.0f);   // arc AD
  kit::DrawCircle(P, PO, v.R1, 7, 0.0f, 0.16666667f);  // arc DC
  DrawTextPieces(P, kMarksAndRightAngles);
  kit::EqualArcsLine(P, 60, "AD=", "DCから,∠ABD＝");
  DrawTextPieces(P, kAnglesEqual);
  return {ConfirmLearningSubMenu};
}

}  // namespace pendrel
