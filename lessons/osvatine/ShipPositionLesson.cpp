// Item 1's frame: its start, the goal text and the sub-menu with its seven choices. The sub-menu
// draws only in the foot band, so the last screen stays visible above it.
#include "kit/Flow.h"
#include "kit/Text.h"
#include "osvatine/MainMenu.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    ShipProblem,      Angle30Construction, Angle45Circle,    Angle45Construction,
    ShipConstruction, AngleSumDiscussion,  ApplicationsMainMenu,
};

}  // namespace

Screen ShipPositionLessonStart(Program& P) {
  P.at(157);
  ShipGoalText(P);
  return {ShipPositionSubMenu};
}

void ShipGoalText(Program& P) {
  shell::Routine r(P);
  P.at(639);
  kit::DrawGoalText(P, "船の位置を作図でみつけよう。");
}

Screen ShipPositionSubMenu(Program& P) {
  P.at(159);
  return kit::SubMenu(P, " ①P170課題　②３０°作図　③４５°円　④４５°作図　⑤P作図　⑥P172話しあおう　⑦終了",
                      kSubMenuChoices);
}

}  // namespace osvatine
