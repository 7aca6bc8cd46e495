// The number prompt under a main menu's panel, drawn by the menus that show it before they
// ask for the number (the number input then draws it once more at the same place).
#pragma once

#include <span>

#include "kit/Flow.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// "番号を入力して下さい。" at (KAIX - 240, KAIY) in colour 0, in the prompt glyphs. Writes CCC1, X,
// Y; leaves AA$ empty.
void DrawMenuPrompt(Program& P);

// A main menu that shows its prompt before the number is typed: the work area and the page
// cleared, the panel of `items`, the prompt, then MainMenuChoice with `self`.
Screen PromptedMainMenu(Program& P, ScreenFn self, std::span<const MenuItem> items);

}  // namespace kit
