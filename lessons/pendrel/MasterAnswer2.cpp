// Answer 2 of the second set: angle chasing on a circle about O over three pages, 2(1) the
// diameter and equal arcs, 2(2) the exterior angle at D, 2(3) two isosceles triangles.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

// Page 2(1): A, B, C, D and the ends of the ticks across the equal arcs CD and AB.
constexpr kit::OnCircle kPoints1[] = {{1, 250}, {2, 330}, {3, 70}, {4, 150}};
constexpr Letter kLetters1[] = {{"A", 1, -14, 10}, {"B", 2, 10, -20}, {"C", 3, 10, -50}, {"D", 4, -34, -25}};
constexpr Mark kMarks1[] = {
    {1, 3, 4, 80, 1, 3, "40%", 3},
    {3, 4, 1, 60, 1, 3, "x", 5},
    {0, 1, 2, 60, 1, 3, "y", 5},
};
constexpr Mark kAngleCOD{0, 3, 4, 60, 1, 3, "y", 5};
// Steps 1 and 2 and the key to step 3, whose line of equal arcs comes between the tables; the rest
// of step 3, step 4 and the key that ends the page.
constexpr TextPiece kSteps1[] = {
    kKeyWait, AtMargin(60, 0, "ACは直径だから "), SameLine(0, 3, "∠ADC=90%"), CornerPiece<4, 1, 3, 30, 5>,
    kKeyWait, AtMargin(50, 5, "∠x="), SameLine(0, 0, "180%-(40%+90%)="), SameLine(0, 5, "50%"),
    kKeyWait,
};
constexpr TextPiece kLastSteps1[] = {
    SameLine(0, 3, "∠COD=∠y"), SegmentPiece<0, 3>, SegmentPiece<0, 4>, MarkPiece<kAngleCOD>,
    kKeyWait, AtMargin(60, 0, "したがって、"), SameLine(0, 5, "∠y=80%"),
    kKeyWait,
};

// Page 2(2): D where the radius line OA crosses the chord BC (not to scale: the labels carry
// the problem's 40° and 15°, the drawing has 40° and 30°).
constexpr kit::OnCircle kPoints2[] = {{1, 250}, {2, 290}, {3, 170}};
constexpr Letter kLetters2[] = {{"A", 1, -14, 10}, {"B", 2, 0, 10}, {"C", 3, -34, -50}, {"D", 4, -24, -55}};
constexpr Mark kMarks2[] = {
    {0, 1, 2, 50, 1, 3, "40%", 3},
    {2, 0, 3, 60, 1, 3, "15%", 3},
    {1, 0, 3, 60, 1, 3, "x", 5},
};
constexpr Mark kAngleACB{3, 1, 2, 60, 1, 3, "20%", 3};
constexpr Mark kSectorADB{4, 1, 2, 40, 0, 3, "", 3};
constexpr TextPiece kSteps2[] = {
    kKeyWait, AtMargin(60, 0, "中心角が40%だから "), SameLine(0, 3, "∠ACB=20%"), MarkPiece<kAngleACB>,
    kKeyWait, AtMargin(60, 0, "∠ADBは△DCAと△DBOの外角だから "), AtMargin(50, 3, "∠x+20%=40%+15%"),
    MarkPiece<kSectorADB>,
    kKeyWait, SameLine(0, 0, "=55%"), AtMargin(70, 5, "∠x="), SameLine(0, 0, "55%-20%="), SameLine(0, 5, "35%"),
    kKeyWait,
};

// Page 2(3): AB = AC and OB = OC.
constexpr kit::OnCircle kPoints3[] = {{1, 90}, {2, 230}, {3, 310}};
constexpr Letter kLetters3[] = {{"A", 1, -14, -50}, {"B", 2, -20, 10}, {"C", 3, 0, 10}};
constexpr Mark kMarks3[] = {
    {0, 2, 3, 40, 1, 3, "80%", 3},
    {2, 0, 1, 60, 1, 3, "x", 5},
};
constexpr Mark kAngleOBC{2, 3, 0, 40, 1, 3, "50%", 3};
constexpr Mark kAngleBAC{1, 2, 3, 60, 1, 3, "40%", 3};
constexpr Mark kAngleABC{2, 3, 1, 80, 1, 7, "70%", 7};
// The pair of ticks on OB stands 30 back towards O.
constexpr TextPiece kSteps3[] = {
    kKeyWait, AtMargin(60, 0, "OB=OC だから "), SameLine(0, 3, "∠OBC=∠OCB"),
    SegmentPiece<2, 3>, TicksPiece<0, 2, 2, -30>, TicksPiece<0, 3, 2>,
    kKeyWait, AtMargin(60, 3, "∠OBC="), SameLine(0, 0, "(180%-80%)/2="), SameLine(0, 3, "50%"), MarkPiece<kAngleOBC>,
    kKeyWait, AtMargin(60, 0, "中心角が80%だから "), SameLine(0, 3, "∠BAC=40%"), MarkPiece<kAngleBAC>,
    kKeyWait, AtMargin(60, 0, "AB=AC だから "), SameLine(0, 3, "∠ABC=∠ACB"),
    kKeyWait, AtMargin(60, 3, "∠ABC="), SameLine(0, 0, "(180%-40%)/2="), SameLine(0, 3, "70%"), MarkPiece<kAngleABC>,
    kKeyWait, AtMargin(50, 5, "∠x="), SameLine(0, 0, "70%-50%="), SameLine(0, 5, "20%"),
};

}  // namespace

Screen MasterAnswer2(Program& P) {
  OpenCirclePage(P, {"P178 解答", "2(1)", 40, 40, 30, 120}, 50);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints1);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -34, -25);
  kit::DrawPath(P, {0, 3, 4, 1, 0, 2, 0}, 0);
  DrawLetters(P, kLetters1);
  TickAcrossCircle(P, 5, 110);  // across arc CD
  TickAcrossCircle(P, 7, 290);  // across arc AB
  DrawMarksViaABC(P, kMarks1);

  DrawTextPieces(P, kSteps1);
  kit::EqualArcsLine(P, 70, "AB=", "CD だから ", 5);
  DrawTextPieces(P, kLastSteps1);
  return {MasterAnswer2Page2};
}

Screen MasterAnswer2Page2(Program& P) {
  OpenCirclePage(P, {"P178 解答", "2(2)", 40, 40, 30, 120}, 50);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints2);
  kit::LineCrossing(P, 4, 0, 1, 2, 3);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -34, -25);
  kit::DrawPath(P, {0, 1, 3, 2, 0}, 0);
  DrawLetters(P, kLetters2);
  DrawMarksViaABC(P, kMarks2);

  DrawTextPieces(P, kSteps2);
  return {MasterAnswer2Page3};
}

Screen MasterAnswer2Page3(Program& P) {
  OpenCirclePage(P, {"P178 解答", "2(3)", 40, 40, 30, 120}, 50);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints3);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, -50);
  kit::DrawPath(P, {1, 2, 0, 3, 1}, 0);
  DrawLetters(P, kLetters3);
  DrawMarksViaABC(P, kMarks3);
  kit::DrawTicks(P, 1, 2, 15, 1, 3, 0, 8);
  kit::DrawTicks(P, 1, 3, 15, 1, 3, 0, 8);

  DrawTextPieces(P, kSteps3);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
