// Item 1's frame: its start, the goal screen and the sub-menu with its six choices.
// The sub-menu draws only in the foot band, so the last screen stays visible above it.
#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"
#include "mathtext/MathText.h"
#include "shell/Input.h"
#include "shell/Menus.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr Screen (*kSubMenuChoices[])(Program&) = {
    OperateAngleFigure, AngleDisplayOptions, DiameterDisplayOption,
    SeveralInscribedAngles, TheoremSummary, AnglesMainMenu,
};
constexpr int kSubMenuChoiceCount = sizeof kSubMenuChoices / sizeof kSubMenuChoices[0];

}  // namespace

Screen InscribedAngleLessonStart(Program& P) {
  Lv(P).figureReady = false;
  InscribedAngleGoalText(P);
  shell::WaitAnyKey(P);
  InscribedAngleIntro(P);
  return {InscribedAngleSubMenu};
}

void InscribedAngleGoalText(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  ClearWholePage(P);
  v.XI1 = 44; v.YI1 = 240;
  v.CCC1 = 3; v.X = v.XI1; v.Y = v.YI1; v.AA_s = "<めあて>";
  mathtext::RenderMathText(P);
  v.XI2 = v.X; v.YI1 = v.Y;
  v.CCC1 = 0; v.X = v.XI1; v.Y = v.YI1 + 65; v.AA_s = "円周角と中心角の大きさを調べよう。";
  mathtext::RenderMathText(P);
  v.XI2 = v.X; v.YI1 = v.Y;
}

Screen InscribedAngleSubMenu(Program& P) {
  auto& v = P.v;
  for (;;) {
    v.AA_s = " ①操作　②角度表示　③直径表示　④複数表示　⑤まとめ　⑥終了";
    shell::AskChoiceAtFoot(P);
    v.SENTAKU = v.AINP;
    shell::ClearFootBand(P);
    int choice = shell::MenuChoice(P, 1, kSubMenuChoiceCount);
    if (choice != 0) return {kSubMenuChoices[choice - 1]};
  }
}

}  // namespace lunevar
