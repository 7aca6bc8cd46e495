// Lesson text at a pen position through the math text renderer, in the colour in CCC1.
#pragma once
#include <string>

#include "shell/Program.h"

namespace geometry {

// X, Y = the pen, AA$ = text, RenderMathText: X comes back advanced past the text.
void WriteAt(shell::Program& P, const std::string& text, float x, float y);

}  // namespace geometry
