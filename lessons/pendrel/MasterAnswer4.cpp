// Answer 4 of the second set: BC is a diameter, so the right angles at D and E put A, E, P, D
// on the circle with diameter AP and B, C, D, E on the circle with diameter BC (neither drawn).
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

// B, C, D, E on the circle about O (not drawn); A and P where their lines cross.
constexpr kit::OnCircle kOnCircle[] = {{2, 180}, {3, 0}, {4, 45}, {5, 120}};
constexpr Letter kLetters[] = {{"A", 1, -16, -46}, {"B", 2, -40, 4}, {"C", 3, 10, 4},
                               {"D", 4, 4, -45},   {"E", 5, -20, -50}, {"P", 6, -16, 6}};

// A right-angle mark: vertex and the points of its two arms, in colour.
struct Corner {
  int vertex, arm1, arm2;
  float colour;
};
constexpr Corner kOverBC[] = {{4, 2, 3, 5}, {5, 2, 3, 5}};
constexpr Corner kOverAP[] = {{4, 1, 6, 3}, {5, 1, 6, 3}};

// The arms taken in the given order (ITI 1), so the marks do not hang on what ITI was left at.
void drawCorners(Program& P, std::span<const Corner> corners) {
  for (const Corner& c : corners) RightAngleViaN123(P, c.vertex, c.arm1, c.arm2, 1, 30, c.colour);
}

}  // namespace

Screen MasterAnswer4(Program& P) {
  auto& v = P.v;
  OpenAnswerScreen(P, {"P178 解答", "4", 40, 40 + 81, 30});
  kit::TextCursorAt(P, 80, 30);
  kit::GridPaper(P, 750, 350, 10, 10, 15, 30);
  kit::GridPoint(P, 0, 5, 5);
  v.R1 = 6 * v.SIZE;
  kit::PointsAtDegrees(P, 0, v.R1, kOnCircle);
  kit::LineCrossing(P, 1, 2, 5, 3, 4);  // A on lines BE and CD
  kit::LineCrossing(P, 6, 2, 4, 3, 5);  // P on lines BD and CE
  P.pf.setDrawWidth(5);
  DrawLetters(P, kLetters);
  SegmentViaMN(P, 2, 1);
  SegmentViaMN(P, 2, 3);
  SegmentViaMN(P, 2, 4);
  SegmentViaMN(P, 3, 1);
  SegmentViaMN(P, 3, 5);
  drawCorners(P, kOverBC);

  shell::WaitAnyKey(P);
  SegmentViaMN(P, 1, 6, 3);
  drawCorners(P, kOverAP);
  shell::WaitAnyKey(P);
  // The degree signs of this answer are the character "°" itself, not the markup "%".
  DrawTextPieces(P, {AtMargin(70, 5, "点A,E,P,D"), AtMargin(60, 0, "∠AEP=∠ADP=90° だから"),
                     AtMargin(60, 0, "4点A,E,P,DはAPを直径とする円周上にある")});
  shell::WaitAnyKey(P);
  SegmentViaMN(P, 2, 3, 5);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, {AtMargin(70, 5, "点B,C,D,E"), AtMargin(60, 0, "2点D,Eは直線BCの同じ側にあって、"),
                     AtMargin(60, 0, "∠BDC=∠BEC=90°だから")});
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
