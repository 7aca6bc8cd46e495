// Item 1's frame: its start, the goal screen and the sub-menu with its six choices.
// The sub-menu draws only in the foot band, so the last screen stays visible above it.
#include "kit/Flow.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/Lunevar.h"
#include "lunevar/MainMenu.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    OperateAngleFigure, AngleDisplayOptions, DiameterDisplayOption,
    SeveralInscribedAngles, TheoremSummary, AnglesMainMenu,
};

}  // namespace

Screen InscribedAngleLessonStart(Program& P) {
  Lv(P).explorerOnPage = false;
  Lv(P).explorerLeft.reset();
  InscribedAngleGoalText(P);
  shell::WaitAnyKey(P);
  InscribedAngleIntro(P);
  return {InscribedAngleSubMenu};
}

void InscribedAngleGoalText(Program& P) {
  shell::Routine r(P);
  kit::ClearWholePage(P);
  kit::DrawGoalText(P, "円周角と中心角の大きさを調べよう。");
}

Screen InscribedAngleSubMenu(Program& P) {
  // This sub-menu leaves AINP as typed.
  return kit::SubMenu(P, " ①操作　②角度表示　③直径表示　④複数表示　⑤まとめ　⑥終了", kSubMenuChoices, false);
}

}  // namespace lunevar
