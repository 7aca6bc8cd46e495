// Answer 5 of the second set: the regular pentagon ABCDE on its circle, the chords AC and BE
// meeting at F, and x = ∠BFC = ∠BAC + ∠ABE = 72°.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

constexpr Letter kLetters[] = {{"A", 1, -14, -50}, {"B", 2, -35, -25}, {"C", 3, -14, 8},
                               {"D", 4, 10, -15},  {"E", 5, 8, -25},   {"F", 6, 8, 15}};
constexpr Mark kAngleX{6, 2, 3, 60, 1, 3, "x", 5};
constexpr Mark kSectors[] = {
    {1, 2, 3, 40, 0, 3, "", 3},  // ∠BAC
    {2, 5, 1, 40, 0, 7, "", 3},  // ∠ABE
};

// Steps 1 to 4 and the key before step 5; an empty text moves the cursor to the new line, where
// the arc sign starts it.
constexpr TextPiece kSteps[] = {
    kKeyWait, AtMargin(60, 0, "∠xは△ABFの外角だから"), SegmentPiece<1, 2>,
    kKeyWait, AtMargin(50, 3, "∠x=∠BAC+∠ABE"), MarksPiece<kSectors>,
    kKeyWait, AtMargin(70, 0, ""), ThinArcSignPiece<54>, SameLine(0, 0, "BC"), SameLine(0, 0, "は円周のﾀ1/5ﾀ だから"),
    kKeyWait, AtMargin(70, 3, "∠BAC="), SameLine(0, 0, "360%*ﾀ1/5ﾀ*ﾀ1/2ﾀ="), SameLine(0, 3, "36%"),
    kKeyWait,
};

// The pair of ticks across the circle at angle R(i) ± 2°: entries 7, 8 the outer and inner end
// of the first, 9, 10 of the second.
void drawTickPair(Program& P, int i) {
  TickAcrossCircle(P, 7, P.v.R_a(i) - 2);
  TickAcrossCircle(P, 9, P.v.R_a(i) + 2);
}

}  // namespace

Screen MasterAnswer5(Program& P) {
  auto& v = P.v;
  OpenCirclePage(P, {"P178 解答", "5", 40, 40, 30}, 100);
  // The tick pairs stand at 132°, 204°, ... : 4° short of the middle of each arc between points.
  v.R_a(1) = 132;
  for (int i = 2; i <= 5; ++i) v.R_a(i) = v.R_a(i - 1) + 72;
  kit::PointAtCellsViaMABC(P, 1, 0, 3, 100);
  for (int i = 2; i <= 5; ++i) kit::PointAtCellsViaMABC(P, i, 0, 3, v.C + 72);  // C raised by 72 for each next point
  kit::LineCrossing(P, 6, 1, 3, 2, 5);  // F on AC and BE

  kit::DrawCircle(P, 0, v.R1, 0);
  for (int i = 1; i <= 5; ++i) kit::DrawDot(P, i, 6, 0);
  SegmentViaMN(P, 1, 3);
  SegmentViaMN(P, 2, 5);
  DrawLetters(P, kLetters);
  DrawMarkViaABC(P, kAngleX);
  for (int i = 1; i <= 5; ++i) drawTickPair(P, i);

  DrawTextPieces(P, kSteps);
  kit::EqualArcsLine(P, 70, "BC=", "AE だから", 5);
  DrawTextPieces(P, {AtMargin(50, 3, "∠ABE=∠BAC=36%"), SameLine(0, 0, " したがって、")});
  DrawTextPieces(P, {kKeyWait, AtMargin(60, 5, "∠x="), SameLine(0, 0, "2*36%="), SameLine(0, 5, "72%")});
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
