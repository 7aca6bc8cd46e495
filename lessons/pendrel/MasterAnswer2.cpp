// Answer 2 of the second set: angle chasing on a circle about O over three pages, 2(1) the
// diameter and equal arcs, 2(2) the exterior angle at D, 2(3) two isosceles triangles.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

// Every page: the caption, the grid, O at (3, 3) and the circle's radius of 3 cells.
void openPage(Program& P, const char* number) {
  OpenAnswerScreen(P, {"P178 解答", number, 40, 40, 30, 120});
  kit::FigureFrame(P, 720, 50, 6, 6, 70);
  kit::CentreAndRadius(P, 0, 3, 3, 3);
}

// Page 2(1): A, B, C, D and the ends of the ticks across the equal arcs CD and AB.
constexpr kit::OnCircle kPoints1[] = {{1, 250}, {2, 330}, {3, 70}, {4, 150}};
constexpr Letter kLetters1[] = {{"A", 1, -14, 10}, {"B", 2, 10, -20}, {"C", 3, 10, -50}, {"D", 4, -34, -25}};
constexpr Mark kMarks1[] = {
    {1, 3, 4, 80, 1, 3, "40%", 3},
    {3, 4, 1, 60, 1, 3, "x", 5},
    {0, 1, 2, 60, 1, 3, "y", 5},
};
constexpr Mark kAngleCOD{0, 3, 4, 60, 1, 3, "y", 5};

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

}  // namespace

Screen MasterAnswer2(Program& P) {
  auto& v = P.v;
  openPage(P, "2(1)");
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints1);
  kit::PointAtDegrees(P, 5, 0, v.R1 + 15, 110);  // the tick across arc CD
  kit::PointAtDegrees(P, 6, 0, v.R1 - 15, 110);
  kit::PointAtDegrees(P, 7, 0, v.R1 + 15, 290);  // the tick across arc AB
  kit::PointAtDegrees(P, 8, 0, v.R1 - 15, 290);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -34, -25);
  kit::DrawPath(P, {0, 3, 4, 1, 0, 2, 0}, 0);
  DrawLetters(P, kLetters1);
  SegmentViaMN(P, 5, 6, 3);
  SegmentViaMN(P, 7, 8, 3);
  DrawMarksViaABC(P, kMarks1);

  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "ACは直径だから "), SameLine(0, 3, "∠ADC=90%")});
  RightAngleViaN123(P, 4, 1, 3, -1, 30, 5);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 5, "∠x="), SameLine(0, 0, "180%-(40%+90%)="), SameLine(0, 5, "50%")});
  shell::WaitAnyKey(P);
  kit::EqualArcsLine(P, 70, "AB=", "CD だから ", 5);
  DrawTextPieces(P, {SameLine(0, 3, "∠COD=∠y")});
  SegmentViaMN(P, 0, 3);
  SegmentViaMN(P, 0, 4);
  DrawMarkViaABC(P, kAngleCOD);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "したがって、"), SameLine(0, 5, "∠y=80%")});
  shell::WaitAnyKey(P);
  return {MasterAnswer2Page2};
}

Screen MasterAnswer2Page2(Program& P) {
  openPage(P, "2(2)");
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints2);
  kit::LineCrossing(P, 4, 0, 1, 2, 3);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -34, -25);
  kit::DrawPath(P, {0, 1, 3, 2, 0}, 0);
  DrawLetters(P, kLetters2);
  DrawMarksViaABC(P, kMarks2);

  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "中心角が40%だから "), SameLine(0, 3, "∠ACB=20%")});
  DrawMarkViaABC(P, kAngleACB);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "∠ADBは△DCAと△DBOの外角だから "), AtMargin(50, 3, "∠x+20%=40%+15%")});
  DrawMarkViaABC(P, kSectorADB);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {SameLine(0, 0, "=55%"),
                     AtMargin(70, 5, "∠x="), SameLine(0, 0, "55%-20%="), SameLine(0, 5, "35%")});
  shell::WaitAnyKey(P);
  return {MasterAnswer2Page3};
}

Screen MasterAnswer2Page3(Program& P) {
  openPage(P, "2(3)");
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints3);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, -50);
  kit::DrawPath(P, {1, 2, 0, 3, 1}, 0);
  DrawLetters(P, kLetters3);
  DrawMarksViaABC(P, kMarks3);
  kit::DrawTicks(P, 1, 2, 15, 1, 3, 0, 8);
  kit::DrawTicks(P, 1, 3, 15, 1, 3, 0, 8);

  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "OB=OC だから "), SameLine(0, 3, "∠OBC=∠OCB")});
  SegmentViaMN(P, 2, 3);
  kit::DrawTicks(P, 0, 2, 15, 2, 3, -30, 8);  // the pair on OB stands 30 back towards O
  kit::DrawTicks(P, 0, 3, 15, 2, 3, 0, 8);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 3, "∠OBC="), SameLine(0, 0, "(180%-80%)/2="), SameLine(0, 3, "50%")});
  DrawMarkViaABC(P, kAngleOBC);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "中心角が80%だから "), SameLine(0, 3, "∠BAC=40%")});
  DrawMarkViaABC(P, kAngleBAC);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "AB=AC だから "), SameLine(0, 3, "∠ABC=∠ACB")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 3, "∠ABC="), SameLine(0, 0, "(180%-40%)/2="), SameLine(0, 3, "70%")});
  DrawMarkViaABC(P, kAngleABC);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 5, "∠x="), SameLine(0, 0, "70%-50%="), SameLine(0, 5, "20%")});
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
