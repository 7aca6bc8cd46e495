// The second problem set's choice line: answers 1 to 9, and 10 back to the main menu. Only a
// whole number from 1 to 10 is a choice; anything else asks again over the unchanged page.
#include "kit/Flow.h"
#include "pendrel/MainMenu.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

constexpr kit::ScreenFn kChoices[] = {
    MasterAnswer1, MasterAnswer2, MasterAnswer3, MasterAnswer4, MasterAnswer5,
    MasterAnswer6, MasterAnswer7, MasterAnswer8, MasterAnswer9, ProblemsMainMenu,
};

}  // namespace

Screen MasterLearningSubMenu(Program& P) {
  // This choice line leaves AINP as typed: it is not set to 10 after the choice.
  return kit::SubMenu(P, "P178(学びを身につけよう)　①～⑨解答　　⑩終了", kChoices, false);
}

}  // namespace pendrel
