// The main menu's number prompt drawn by the menu itself, ahead of the number input that
// draws it again in the same place.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;

// "番号を入力して下さい。" at (KAIX - 240, KAIY) in colour 0 through the prompt text path.
// Reads KAIX, KAIY; writes CCC1, X, Y and leaves AA$ empty.
void DrawMenuPrompt(Program& P);

}  // namespace kit
