// The flow of a lesson: sub-menu, main-menu panel and prompt, and random sizes (see Flow.h).
#include "kit/Flow.h"

#include "kit/Text.h"
#include "platform/Number.h"
#include "shell/Input.h"
#include "shell/Menus.h"
#include "shell/Prompt.h"
#include "shell/Waits.h"

namespace kit {

Screen SubMenu(Program& P, const char* line, std::span<const ScreenFn> targets, bool resetsInput) {
  auto& v = P.v;
  for (;;) {
    v.AA_s = line;
    shell::AskChoiceAtFoot(P);
    v.SENTAKU = v.AINP;
    int choice = shell::MenuChoice(P, 1, static_cast<int>(targets.size()));
    if (resetsInput) v.AINP = 10;
    shell::ClearFootBand(P);
    if (choice != 0) return {targets[choice - 1]};
  }
}

Screen GoalThenSubMenu(Program& P, void (*goal)(Program&), ScreenFn subMenu) {
  goal(P);
  return {subMenu};
}

void DrawMenuPanel(Program& P, std::span<const MenuItem> items) {
  P.pf.fillBox(22, 10, 22 + 1320, 10 + 600, 15, 10);
  TextAt(P, 264, 30, "＜" + P.v.TITLE_s + "　メニュー＞", 15);
  for (const MenuItem& item : items) TextAt(P, 44, item.y, item.text, item.colour);
}

Screen MainMenuChoice(Program& P, ScreenFn self, std::span<const MenuItem> items) {
  shell::AskMenuNumber(P);
  shell::ClearMenuPrompt(P);
  int choice = shell::MenuChoice(P, 1, static_cast<int>(items.size()));
  if (choice == 0) return {self};
  const MenuItem& item = items[choice - 1];
  if (!item.entry) return {};
  ClearWholePage(P);
  return {item.entry};
}

void DrawMenuPrompt(Program& P) {
  auto& v = P.v;
  v.CCC1 = 0;
  v.X = v.KAIX - 240;
  v.Y = v.KAIY;
  v.AA_s = "番号を入力して下さい。";
  shell::DrawPromptText(P);
}

Screen PromptedMainMenu(Program& P, ScreenFn self, std::span<const MenuItem> items) {
  shell::ClearWorkArea(P);
  ClearWholePage(P);
  DrawMenuPanel(P, items);
  DrawMenuPrompt(P);  // the number input draws it once more at the same place
  return MainMenuChoice(P, self, items);
}

float RandomSize(Program& P, float base, float span) {
  // The whole part is taken before the base is added: RND * span + base, rounded in single
  // precision, can reach base + span when RND is just under 1.
  return base + platform::fint(P.pf.rnd() * span);
}

}  // namespace kit
