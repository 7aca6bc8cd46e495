// The number prompt under a main menu's panel (see MenuPrompt.h).
#include "kit/MenuPrompt.h"

#include "kit/Page.h"
#include "shell/Prompt.h"
#include "shell/Waits.h"

namespace kit {

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

}  // namespace kit
