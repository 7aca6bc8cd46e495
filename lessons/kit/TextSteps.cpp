// Lesson text written as a table of steps (see TextSteps.h).
#include "kit/TextSteps.h"

#include "kit/Text.h"
#include "shell/Waits.h"

namespace kit {

void ShowTextSteps(Program& P, std::span<const TextStep> steps) {
  for (const TextStep& s : steps) {
    if (s.onLine)
      TextOnLine(P, 0, s.text, s.colour);
    else
      TextOnNewLine(P, s.x, s.step, s.text, s.colour);
    if (s.then == Then::WaitKey) shell::WaitAnyKey(P);
  }
}

}  // namespace kit
