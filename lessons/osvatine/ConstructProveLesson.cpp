// Item 2's frame: its start, the goal text and the sub-menu with its six choices. The sub-menu
// draws only in the foot band, so the last screen stays visible above it.
#include "kit/Flow.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/MainMenu.h"

namespace osvatine {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    TangentConstruction, TangentPerimeter,    ChordsSimilarityProof,
    Problem5Answer,      ParallelChordsProof, ApplicationsMainMenu,
};

}  // namespace

Screen ConstructProveLessonStart(Program& P) {
  ConstructProveGoalText(P);
  return {ConstructProveSubMenu};
}

void ConstructProveGoalText(Program& P) {
  kit::DrawGoalText(P, "作図や証明に円の性質を利用しよう。");
}

Screen ConstructProveSubMenu(Program& P) {
  return kit::SubMenu(P, " ①P173説明しよう　②練習　③例題1　④問5　⑤問6　⑥終了", kSubMenuChoices);
}

}  // namespace osvatine
