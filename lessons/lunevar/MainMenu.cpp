// Lunevar's main menu: the panel with its eight items, the number typed, and the way to the
// chosen lesson. Item 7 has no lesson: choosing it draws the menu again.
#include "lunevar/MainMenu.h"

#include "kit/Flow.h"
#include "kit/Text.h"
#include "lunevar/ArcLesson.h"
#include "lunevar/ConverseLesson.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/PracticeAnswers.h"
#include "lunevar/ProofLesson.h"
#include "lunevar/TheoremUseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr kit::MenuItem kItems[] = {
    {"1　円周角", 120, 13, InscribedAngleLessonStart},
    {"2　円周角の定理証明", 180, 15, ProofLessonStart},
    {"3　円周角の定理を使って", 240, 13, TheoremUseLessonStart},
    {"4　円周角と弧", 300, 15, ArcLessonStart},
    {"5　練習問題", 360, 13, PracticeAnswersStart},
    {"6　円周角の定理の逆", 420, 15, ConverseLessonStart},
    {"7　", 480, 13, shell::BackToMainMenu},
    {"8　終了", 540, 15, nullptr},
};

}  // namespace

Screen AnglesMainMenu(Program& P) {
  P.at(139);
  kit::ClearWholePage(P);
  kit::DrawMenuPanel(P, kItems);
  return kit::MainMenuChoice(P, AnglesMainMenu, kItems);
}

}  // namespace lunevar
