// Item 6's frame: its start, the goal screen and the sub-menu with its six choices, and the
// figure steps its screens share. Every screen clears the page first and comes straight back
// to the sub-menu after its last drawing, so the finished screen stays under the prompt.
#include "kit/Points.h"
#include "lunevar/ConverseLesson.h"

#include "kit/Flow.h"
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/MainMenu.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    SetSquareSearch,         PositionCases,          ConverseTheorem,
    ConverseExerciseAnswers, ConversePracticeAnswer, AnglesMainMenu,
};

}  // namespace

Screen ConverseLessonStart(Program& P) { return kit::GoalThenSubMenu(P, ConverseGoalText, ConverseSubMenu); }

void ConverseGoalText(Program& P) {
  shell::Routine r(P);
  kit::DrawGoalText(P, "1　円周角の定理の逆を考えよう。");
  kit::TextOnNewLine(P, P.v.XI1, 65, "2　円周角の定理の逆を使って問題を解こう。", 0);
}

Screen ConverseSubMenu(Program& P) {
  return kit::SubMenu(P, " ①ひろげよう　②P167　③定理の逆　④問1　⑤練習問題　⑥終了", kSubMenuChoices);
}

void PlacePoints(Program& P, std::span<const PlacedPoint> points) {
  for (const PlacedPoint& p : points) kit::PointAtDegrees(P, p.index, p.from, P.v.SIZE * p.cells, p.degrees);
}

void DrawSegmentList(Program& P, std::span<const Segment> segments) {
  for (const Segment& s : segments)
    if (s.from != s.to) kit::DrawSegment(P, s.from, s.to, 0);
}

void LineAcrossFrame(Program& P, int a) {
  auto& v = P.v;
  P.pf.line(v.GX1, v.Y_a(a), v.GX2, v.Y_a(a), 0);
}

}  // namespace lunevar
