// The boxes the shell draws over the page: erasing an area in the page colour, and the
// framed boxes behind its prompts.
#pragma once

#include "platform/Page.h"
#include "shell/Program.h"

namespace shell {

// Outlined and filled in the page colour, with the draw width in force.
inline void EraseBox(Program& P, float x1, float y1, float x2, float y2) {
  P.pf.fillBox(x1, y1, x2, y2, platform::kPageColour, platform::kPageColour);
}

// A prompt's box: outline colour 13 round the given fill.
inline void PromptBox(Program& P, float x1, float y1, float x2, float y2, int fill) {
  P.pf.fillBox(x1, y1, x2, y2, 13, fill);
}

}  // namespace shell
