// Item 4's frame: its start with the goal text, and the sub-menu with its six choices. The goal
// is shown once per visit from the main menu; the screens come back to the sub-menu alone.
#include "kit/Flow.h"
#include "kit/Text.h"
#include "lunevar/ArcLesson.h"
#include "lunevar/MainMenu.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    ArcIntroTask, ArcTheorem, TextbookProblemThreeAnswer, TextbookProblemFourAnswer, BisectorArcExplanation,
    AnglesMainMenu,
};

}  // namespace

Screen ArcLessonStart(Program& P) { return kit::GoalThenSubMenu(P, ArcGoalText, ArcSubMenu); }

void ArcGoalText(Program& P) { kit::DrawGoalText(P, "円周角と弧の関係を調べ、結果を使って問題解決しよう。"); }

Screen ArcSubMenu(Program& P) {
  return kit::SubMenu(P, " ①導入課題　②定理　③問３　④問４　⑤説明しよう　⑥終了", kSubMenuChoices);
}

}  // namespace lunevar
