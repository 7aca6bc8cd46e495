// The number prompt under a main menu's panel (see MenuPrompt.h).
#include "kit/MenuPrompt.h"

#include "shell/Prompt.h"

namespace kit {

void DrawMenuPrompt(Program& P) {
  auto& v = P.v;
  v.CCC1 = 0;
  v.X = v.KAIX - 240;
  v.Y = v.KAIY;
  v.AA_s = "番号を入力して下さい。";
  shell::DrawPromptText(P);
}

}  // namespace kit
