// Pendrel's main menu: the panel with its three items, the number typed, and the way to the
// chosen problem set.
#include "pendrel/MainMenu.h"

#include "kit/Flow.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/MasterLearning.h"

namespace pendrel {

namespace {

constexpr kit::MenuItem kItems[] = {
    {"1　P176 学びをたしかめよう", 120, 13, ConfirmLearningSubMenu},
    {"2　P178 学びを身につけよう", 180, 15, MasterLearningSubMenu},
    {"3　終了", 240, 13, nullptr},
};

}  // namespace

Screen ProblemsMainMenu(Program& P) {
  P.at(139);
  return kit::PromptedMainMenu(P, ProblemsMainMenu, kItems);
}

}  // namespace pendrel
