// Lesson text that starts a line of its own at a given place: the text cursor moves to it,
// so the pieces that follow continue that line.
#pragma once

#include <string>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Text at (x, y) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y (XI1 stays).
void TextLineAt(Program& P, float x, float y, const std::string& text, float colour);
// An empty line `step` below the current one: YI1 += step, XI2 = XI1; nothing is drawn.
void EmptyLine(Program& P, float step);

}  // namespace kit
