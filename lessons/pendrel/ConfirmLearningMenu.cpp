// The first problem set's choice line: answers 1 to 5, or back to the main menu.
#include "kit/Flow.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/MainMenu.h"

namespace pendrel {

namespace {

constexpr kit::ScreenFn kChoices[] = {ConfirmAnswer1, ConfirmAnswer2, ConfirmAnswer3,
                                      ConfirmAnswer4, ConfirmAnswer5, ProblemsMainMenu};

}  // namespace

Screen ConfirmLearningSubMenu(Program& P) {
  return kit::SubMenu(P, "P176(学びをたしかめよう)　①～⑤解答　　⑥終了", kChoices);
}

}  // namespace pendrel
