// Lesson text written as a table of steps: each row one text at its pen, in its colour, and
// whether the pupil presses a key before the next row.
#pragma once

#include <span>

#include "shell/Program.h"

namespace kit {

using shell::Program;

enum class Then { Next, WaitKey };

struct TextStep {
  bool onLine;        // continues the line at XI2; otherwise a new line
  float x, step;      // a new line's left edge and its distance below YI1
  const char* text;
  float colour;
  Then then;
};
// A text on a new line at (x, YI1 + step).
constexpr TextStep NewLine(float x, float step, const char* text, float colour, Then then = Then::Next) {
  return {false, x, step, text, colour, then};
}
// A text that continues the line where the last one ended (XI2, YI1).
constexpr TextStep OnLine(const char* text, float colour, Then then = Then::Next) {
  return {true, 0, 0, text, colour, then};
}

// Each row in turn, with a key wait where the row asks for one. Writes CCC1, X, Y, AA$ and
// leaves XI2, YI1 after the last text, as TextOnNewLine and TextOnLine do.
void ShowTextSteps(Program& P, std::span<const TextStep> steps);

}  // namespace kit
