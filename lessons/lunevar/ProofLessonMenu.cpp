// Item 2's frame: its start, the goal text and the sub-menu with its ten choices. The goal
// text runs straight into the sub-menu; every screen comes back to the sub-menu, not here.
#include "kit/Flow.h"
#include "kit/Text.h"
#include "lunevar/Lunevar.h"
#include "lunevar/MainMenu.h"
#include "lunevar/ProofLesson.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    DiameterCaseProof, DiameterCaseFigure, DiameterCaseAnswers,
    InsideCaseProof,   InsideCaseFigure,   InsideCaseAnswers,
    OutsideCaseProof,  OutsideCaseFigure,  OutsideCaseAnswers,
    AnglesMainMenu,
};

}  // namespace

Screen ProofLessonStart(Program& P) {
  Lv(P).proofOnPage = NoProof;  // the main menu has just cleared the page
  return kit::GoalThenSubMenu(P, ProofGoalText, ProofSubMenu);
}

void ProofGoalText(Program& P) {
  shell::Routine r(P);
  kit::DrawGoalText(P, "円周角の定理を証明しよう。");
}

Screen ProofSubMenu(Program& P) {
  return kit::SubMenu(P, " ①直径問　②図１　③答　④内部問　⑤図２　⑥答　⑦外部問　⑧図３　⑨答　⑩終了",
                      kSubMenuChoices);
}

}  // namespace lunevar
