// Answer 6 of the second set: E halves the arc BC, AE meets BC at D, and △ABE∽△BDE because
// ∠E is common and ∠BAE = ∠CAE = ∠CBE (inscribed angles on the arc EC).
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

constexpr kit::OnCircle kOnCircle[] = {{1, 80}, {2, 210}, {3, 330}, {5, 270}};
constexpr Letter kLetters[] = {{"A", 1, -14, -50}, {"B", 2, -35, -25}, {"C", 3, 14, -25},
                               {"D", 4, -35, -50}, {"E", 5, -14, 10}};

// An equal angle, marked by a dot of radius 8 in colour 3, 50 out on its bisector.
template <int vertex, int arm1, int arm2>
void equalAngleDot(Program& P) { kit::DotOnBisector(P, vertex, arm1, arm2, 50, 1, 8, 3); }

constexpr Mark kCommonAngleE{5, 1, 2, 40, 0, 3, "", 3};

// The triangles filled and outlined, then one key each for the common angle E, the arc EC (away
// from A), the equal angle EBC and the proof.
constexpr TextPiece kSteps[] = {
    kKeyWait, AtMargin(60, 0, "△ABEと△BDEで，"), PathPiece<2, 5, 4, 0, kit::PathKind::Filled, 13>,
    DrawWidthPiece(8), PathPiece<1, 2, 5, 9, kit::PathKind::Closed>, DrawWidthPiece(5),
    kKeyWait, MarkPiece<kCommonAngleE>,
    kKeyWait, CirclePiece<3, 1.0f / 12, 1.0f / 4>,
    kKeyWait, FigurePiece(equalAngleDot<2, 5, 3>),
    kKeyWait, AtMargin(60, 0, "∠Eは共通　　　　 　　　…①"),
    AtMargin(60, 0, "仮定より ∠BAE＝∠CAE"),
    AtMargin(60, 0, "弧ECに対する円周角は等しいので"),
    AtMargin(60, 0, "∠CBE＝∠CAE"),
    AtMargin(60, 0, "したがって、∠BAE＝∠DBE　…②"),
    AtMargin(60, 0, "①，②から，"),
    AtMargin(60, 0, "2組の角がそれぞれ等しいので，"),
    AtMargin(60, 0, "△ABE∽△BDE"),
};

}  // namespace

Screen MasterAnswer6(Program& P) {
  auto& v = P.v;
  OpenCirclePage(P, {"P179 解答", "6", 40, 40, 30}, 100);
  kit::PointsAtCellsViaMABC(P, 0, 3, kOnCircle);
  kit::LineCrossing(P, 4, 1, 5, 2, 3);  // D on AE and BC

  kit::DrawCircle(P, 0, v.R1, 0);
  kit::DrawPath(P, {1, 2, 3}, 0, kit::PathKind::Closed);
  SegmentViaMN(P, 1, 5);
  SegmentViaMN(P, 2, 5);
  DrawLetters(P, kLetters);
  equalAngleDot<1, 2, 5>(P);  // ∠BAE = ∠EAC
  equalAngleDot<1, 5, 3>(P);

  DrawTextPieces(P, kSteps);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
