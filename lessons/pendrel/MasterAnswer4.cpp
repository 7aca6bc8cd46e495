// Answer 4 of the second set: BC is a diameter, so the right angles at D and E put A, E, P, D
// on the circle with diameter AP and B, C, D, E on the circle with diameter BC (neither drawn).
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/FigureSteps.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

// B, C, D, E on the circle about O (not drawn); A and P where their lines cross.
constexpr kit::OnCircle kOnCircle[] = {{2, 180}, {3, 0}, {4, 45}, {5, 120}};
constexpr Letter kLetters[] = {{"A", 1, -16, -46}, {"B", 2, -40, 4}, {"C", 3, 10, 4},
                               {"D", 4, 4, -45},   {"E", 5, -20, -50}, {"P", 6, -16, 6}};

// The right angles over BC, then steps 1 to 4. The right-angle marks take their arms in the given
// order (ITI 1), so they do not hang on what ITI was left at. The degree signs of this answer are
// the character "°" itself, not the markup "%".
constexpr TextPiece kSteps[] = {
    CornerPiece<4, 2, 3, 30, 5, 1>, CornerPiece<5, 2, 3, 30, 5, 1>,
    kKeyWait, SegmentPiece<1, 6, 3>, CornerPiece<4, 1, 6, 30, 3, 1>, CornerPiece<5, 1, 6, 30, 3, 1>,
    kKeyWait, AtMargin(70, 5, "点A,E,P,D"), AtMargin(60, 0, "∠AEP=∠ADP=90° だから"),
    AtMargin(60, 0, "4点A,E,P,DはAPを直径とする円周上にある"),
    kKeyWait, SegmentPiece<2, 3, 5>,
    kKeyWait, AtMargin(70, 5, "点B,C,D,E"), AtMargin(60, 0, "2点D,Eは直線BCの同じ側にあって、"),
    AtMargin(60, 0, "∠BDC=∠BEC=90°だから"),
};

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
  DrawTextPieces(P, kSteps);
  return {MasterLearningSubMenu};
}

}  // namespace pendrel
