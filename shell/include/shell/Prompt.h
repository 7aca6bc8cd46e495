// The prompt text path: one bold glyph per 16-unit cell, half-width shown full-width.
// Draws every shell text that is not lesson text, and the echo of typed keys.
#pragma once

#include "shell/Program.h"

namespace shell {

void DrawPromptText(Program& P);
void DrawTextAt(Program& P);
void ToFullWidthChar(Program& P);
void StripBlanks(Program& P);

}  // namespace shell
