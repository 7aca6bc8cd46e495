// Item 3's frame: its start, the goal text and the sub-menu with its six choices. The goal
// text runs straight into the sub-menu; every screen comes back to the sub-menu, not here.
#include "kit/Flow.h"
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/MainMenu.h"
#include "lunevar/TheoremUseLesson.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    RandomAnglePractice,        TextbookProblemOneAnswers,      SemicircleAngle,
    TextbookProblemTwoAnswers,  InscribedQuadrilateralPractice, AnglesMainMenu,
};

}  // namespace

Screen TheoremUseLessonStart(Program& P) { return kit::GoalThenSubMenu(P, TheoremUseGoalText, TheoremUseSubMenu); }

void TheoremUseGoalText(Program& P) {
  shell::Routine r(P);
  kit::DrawGoalText(P, "円周角の定理を使って問題を解こう。");
}

Screen TheoremUseSubMenu(Program& P) {
  return kit::SubMenu(P, "①練習　②問1　③半円の弧　④問2　⑤説明しよう　⑥終了", kSubMenuChoices);
}

float PracticeSize(Program& P) { return kit::RandomSize(P, 40, 30); }

}  // namespace lunevar
