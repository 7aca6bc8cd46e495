// Answer 3 of the second set over three pages: 3(1) four points on one circle, 3(2) central
// angles over the arcs AC and ABD, 3(3) the tangents from P and the quadrilateral APBO.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

// Page 3(1): A, B, C, D with equal angles over BC; the circle comes only with the reasoning.
constexpr kit::OnCircle kPoints1[] = {{1, 90}, {2, 170}, {3, 290}, {4, 30}};
constexpr Letter kLetters1[] = {{"A", 1, -14, -50}, {"B", 2, -35, -25}, {"C", 3, -14, 10}, {"D", 4, 10, -25}};
constexpr Mark kMarks1[] = {
    {1, 2, 3, 40, 1, 3, "60%", 3},
    {2, 4, 1, 60, 1, 3, "30%", 3},
    {3, 1, 2, 40, 1, 3, "40%", 3},
    {4, 2, 3, 40, 1, 3, "60%", 3},
    {1, 3, 4, 60, 1, 3, "x", 5},
};
constexpr Mark kAngleADB{4, 1, 2, 40, 1, 7, "40%", 7};
// The circle comes with no centre dot and no O.
constexpr TextPiece kSteps1[] = {
    kKeyWait, AtMargin(60, 0, "∠BAC=∠BDC=60% だから "), AtMargin(50, 3, "4点A,B,C,Dは同じ円周上にある。"),
    CirclePiece<0>,
    kKeyWait, AtMargin(60, 0, "したがって、"), AtMargin(50, 3, "∠ADB=∠ACB=40%"), MarkPiece<kAngleADB>,
    kKeyWait, AtMargin(60, 0, "△ABDで、"), AtMargin(50, 3, "∠x+60%+30%+40%=180%"),
    kKeyWait, AtMargin(50, 5, "∠x="), SameLine(0, 0, "180%-130%="), SameLine(0, 5, "50%"),
    kKeyWait,
};

// Page 3(2): the central angles over AC (62°) and over ABD (250°, through B).
constexpr kit::OnCircle kPoints2[] = {{1, 180}, {2, 0}, {3, 118}, {4, 70}};
constexpr Letter kLetters2[] = {{"A", 1, -30, -25}, {"B", 2, 6, -25}, {"C", 3, -14, -50}, {"D", 4, -14, -50}};
constexpr Mark kMarks2[] = {
    {0, 3, 1, 50, 1, 3, "62%", 3},
    {0, 2, 4, 50, 1, 3, "70%", 3},
    {4, 3, 1, 60, 1, 3, "x", 5},
    {3, 1, 4, 60, 1, 3, "y", 5},
};
constexpr Mark kReflexAOD{0, 1, 4, 40, 0, 3, "250%", 3};
// An empty text moves the cursor to the new line, where the arc sign starts it; the arcs AC
// (62°) and ABD (250° through B) are drawn on the circle as the text names them.
constexpr TextPiece kSteps2[] = {
    kKeyWait, AtMargin(70, 0, ""), ThinArcSignPiece<54>, SameLine(0, 0, "AC"),
    SameLine(0, 0, "に対する中心角が62% だから "), CirclePiece<3, 0.5f, 242.0f / 360>,
    kKeyWait, AtMargin(60, 5, "∠x=31%"),
    kKeyWait, AtMargin(70, 0, ""), ThinArcSignPiece<81>, SameLine(0, 0, "ABD"),
    SameLine(0, 0, "に対する中心角は"), CirclePiece<7, 290.0f / 360, 0.5f>,
    kKeyWait, AtMargin(60, 0, "180%+70%="), SameLine(0, 3, "250%"), MarkPiece<kReflexAOD>,
    kKeyWait, SameLine(0, 0, " だから"), AtMargin(60, 5, "∠y=125%"),
    kKeyWait,
};

// Page 3(3): the tangents at A and B meet at P (entry 4); 5 and 6 are the tangents' far ends.
constexpr kit::OnCircle kPoints3[] = {{1, 110}, {2, 250}, {3, 350}};
constexpr Letter kLetters3[] = {{"A", 1, -14, -50}, {"B", 2, -20, 10}, {"C", 3, 8, -25}, {"P", 4, -30, -25}};
constexpr Mark kMarks3[] = {
    {3, 1, 2, 40, 1, 3, "70%", 3},
    {4, 2, 1, 60, 1, 3, "x", 5},
};
constexpr Mark kHalvesAtO[] = {
    {0, 1, 4, 50, 1, 3, "70%", 3},
    {0, 4, 2, 50, 1, 7, "70%", 7},
};
constexpr TextPiece kSteps3[] = {
    kKeyWait, AtMargin(60, 0, "PA,PBは円Oの接線 だから "), AtMargin(50, 3, "∠PAO=∠PBO=90%"),
    SegmentPiece<1, 0>, SegmentPiece<2, 0>, CornerPiece<1, 4, 0, 25, 3>, CornerPiece<2, 4, 0, 25, 3>,
    kKeyWait, AtMargin(60, 3, "∠AOB="), SameLine(0, 3, "140%"), SameLine(0, 0, " だから"),
    kKeyWait, AtMargin(60, 3, "∠AOP=∠BOP="), SameLine(0, 3, "70%"), SegmentPiece<4, 0>, MarksPiece<kHalvesAtO>,
    kKeyWait, AtMargin(60, 0, "四角形APBOで、"), AtMargin(50, 0, "∠x+2*90%+2*70%=360%"),
    AtMargin(50, 0, "∠x+180%+140%=360%"),
    kKeyWait, AtMargin(50, 5, "∠x="), SameLine(0, 0, "360%-320%="), SameLine(0, 5, "40%"),
};

// Point `end` moved on past point `through`, a fifth of the way from point `from` to it again.
void extendBeyond(Program& P, int end, int through, int from) {
  auto& v = P.v;
  v.X_a(end) = (6 * v.X_a(through) - v.X_a(from)) / 5;
  v.Y_a(end) = (6 * v.Y_a(through) - v.Y_a(from)) / 5;
}

}  // namespace

Screen MasterAnswer3(Program& P) {
  OpenCirclePage(P, {"P178 解答", "3(1)", 40, 40, 30, 120}, 100);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints1);
  kit::DrawPath(P, {1, 2, 3, 4, 1}, 0);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 2, 4);
  DrawLetters(P, kLetters1);
  DrawMarksViaABC(P, kMarks1);
  DrawTextPieces(P, kSteps1);
  return {MasterAnswer3Page2};
}

Screen MasterAnswer3Page2(Program& P) {
  OpenCirclePage(P, {"P178 解答", "3(2)", 40, 40, 30, 120}, 50);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints2);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, 10);
  kit::DrawPath(P, {1, 0, 4, 3, 1}, 0);
  kit::DrawPath(P, {3, 0, 2}, 0);
  SegmentViaMN(P, 1, 4);
  DrawLetters(P, kLetters2);
  DrawMarksViaABC(P, kMarks2);
  DrawTextPieces(P, kSteps2);
  return {MasterAnswer3Page3};
}

Screen MasterAnswer3Page3(Program& P) {
  auto& v = P.v;
  OpenCirclePage(P, {"P178 解答", "3(3)", 40, 40, 30, 120}, 50, 10, 50, 6);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints3);
  // The tangents at A and B, 6 cells at right angles to OA taken from O and BO towards O: both
  // ends on P's side.
  kit::DirectionBetween(P, 0, 1);
  kit::PointTurnedFromHHP(P, 5, 1, 6 * v.SIZE, 90);
  kit::DirectionBetween(P, 2, 0);
  kit::PointTurnedFromHHP(P, 6, 2, 6 * v.SIZE, 90);
  kit::LineCrossing(P, 4, 1, 5, 2, 6);
  extendBeyond(P, 5, 1, 4);
  extendBeyond(P, 6, 2, 4);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, 0, -50);
  kit::DrawPath(P, {4, 1, 3, 2, 4}, 0);
  SegmentViaMN(P, 1, 5);
  SegmentViaMN(P, 2, 6);
  DrawLetters(P, kLetters3);
  DrawMarksViaABC(P, kMarks3);
  DrawTextPieces(P, kSteps3);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
