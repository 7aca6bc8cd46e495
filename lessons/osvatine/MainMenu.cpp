// Osvatine's main menu: the panel with its three items, the number typed, and the way to the
// chosen lesson.
#include "osvatine/MainMenu.h"

#include "kit/Flow.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/ShipPosition.h"

namespace osvatine {

namespace {

constexpr kit::MenuItem kItems[] = {
    {"1　船の位置はどこ？", 120, 13, ShipPositionLessonStart},
    {"2　作図と証明", 180, 15, ConstructProveLessonStart},
    {"3　終了", 240, 13, nullptr},
};

}  // namespace

Screen ApplicationsMainMenu(Program& P) {
  P.at(139);
  return kit::PromptedMainMenu(P, ApplicationsMainMenu, kItems);
}

}  // namespace osvatine
