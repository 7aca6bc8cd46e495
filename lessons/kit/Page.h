// Clearing the page as the lesson screens do: the whole page, or one box of it, painted over
// in the page colour.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;
using shell::Screen;

// The whole page, and what lies below it where texts are measured. Reads and leaves no variable.
void ClearWholePage(Program& P);
// The box from (x1, y1) to (x2, y2), outline and fill in the page colour. Reads and leaves no variable.
void EraseBox(Program& P, float x1, float y1, float x2, float y2);

}  // namespace kit
