// Number texts as lesson text: the runtime's number-to-text conversion passed through
// StripBlanks (by way of A$, as the shell routine takes it).
#pragma once
#include <string>

#include "shell/Program.h"

namespace geometry {

// A$ = text, StripBlanks, and the result (left in A$ as well).
std::string StripThroughA(shell::Program& P, const std::string& text);
// The text of a number without its blanks ("-5", "10", ".5").
std::string NumberWithoutBlanks(shell::Program& P, float value);

}  // namespace geometry
