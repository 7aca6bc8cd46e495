// Answer 3 of the second set over three pages: 3(1) four points on one circle, 3(2) central
// angles over the arcs AC and ABD, 3(3) the tangents from P and the quadrilateral APBO.
#include "figures/Marks.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

// Every page: the caption, the grid laid out from (left, top), O at (ox, 3) and the radius of 3
// cells.
void openPage(Program& P, const char* number, float top, float columns, float size, float ox) {
  OpenAnswerScreen(P, {"P178 解答", number, 40, 40, 30, 120});
  kit::FigureFrame(P, 720, top, columns, 6, size);
  kit::CentreAndRadius(P, 0, ox, 3, 3);
}

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

// Point `end` moved on past point `through`, a fifth of the way from point `from` to it again.
void extendBeyond(Program& P, int end, int through, int from) {
  auto& v = P.v;
  v.X_a(end) = (6 * v.X_a(through) - v.X_a(from)) / 5;
  v.Y_a(end) = (6 * v.Y_a(through) - v.Y_a(from)) / 5;
}

}  // namespace

Screen MasterAnswer3(Program& P) {
  openPage(P, "3(1)", 100, 6, 70, 3);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints1);
  kit::DrawPath(P, {1, 2, 3, 4, 1}, 0);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 2, 4);
  DrawLetters(P, kLetters1);
  DrawMarksViaABC(P, kMarks1);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "∠BAC=∠BDC=60% だから "), AtMargin(50, 3, "4点A,B,C,Dは同じ円周上にある。")});
  kit::DrawCircle(P, 0, P.v.R1, 0);  // no centre dot, no O
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "したがって、"), AtMargin(50, 3, "∠ADB=∠ACB=40%")});
  DrawMarkViaABC(P, kAngleADB);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "△ABDで、"), AtMargin(50, 3, "∠x+60%+30%+40%=180%")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 5, "∠x="), SameLine(0, 0, "180%-130%="), SameLine(0, 5, "50%")});
  shell::WaitAnyKey(P);
  return {MasterAnswer3Page2};
}

Screen MasterAnswer3Page2(Program& P) {
  auto& v = P.v;
  openPage(P, "3(2)", 50, 6, 70, 3);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints2);
  kit::CircleWithCentreO(P, 0, P.v.R1, 6, -14, 10);
  kit::DrawPath(P, {1, 0, 4, 3, 1}, 0);
  kit::DrawPath(P, {3, 0, 2}, 0);
  SegmentViaMN(P, 1, 4);
  DrawLetters(P, kLetters2);
  DrawMarksViaABC(P, kMarks2);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(70, 0, "")});  // moves the cursor only: the arc sign starts the line
  kit::ThinArcSignOverLetters(P, 54);
  DrawTextPieces(P, {SameLine(0, 0, "AC"), SameLine(0, 0, "に対する中心角が62% だから ")});
  kit::DrawCircle(P, 0, v.R1, 3, 0.5f, 242.0f / 360);  // arc AC, 62°
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 5, "∠x=31%")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(70, 0, "")});
  kit::ThinArcSignOverLetters(P, 81);
  DrawTextPieces(P, {SameLine(0, 0, "ABD"), SameLine(0, 0, "に対する中心角は")});
  kit::DrawCircle(P, 0, v.R1, 7, 290.0f / 360, 0.5f);  // arc ABD, 250° through B
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "180%+70%="), SameLine(0, 3, "250%")});
  DrawMarkViaABC(P, kReflexAOD);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {SameLine(0, 0, " だから"), AtMargin(60, 5, "∠y=125%")});
  shell::WaitAnyKey(P);
  return {MasterAnswer3Page3};
}

Screen MasterAnswer3Page3(Program& P) {
  auto& v = P.v;
  openPage(P, "3(3)", 50, 10, 50, 6);
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
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "PA,PBは円Oの接線 だから "), AtMargin(50, 3, "∠PAO=∠PBO=90%")});
  SegmentViaMN(P, 1, 0);
  SegmentViaMN(P, 2, 0);
  RightAngleViaN123(P, 1, 4, 0, -1, 25, 3);
  RightAngleViaN123(P, 2, 4, 0, -1, 25, 3);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 3, "∠AOB="), SameLine(0, 3, "140%"), SameLine(0, 0, " だから")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 3, "∠AOP=∠BOP="), SameLine(0, 3, "70%")});
  SegmentViaMN(P, 4, 0);
  DrawMarksViaABC(P, kHalvesAtO);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(60, 0, "四角形APBOで、"), AtMargin(50, 0, "∠x+2*90%+2*70%=360%"),
                     AtMargin(50, 0, "∠x+180%+140%=360%")});
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(50, 5, "∠x="), SameLine(0, 0, "360%-320%="), SameLine(0, 5, "40%")});
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
