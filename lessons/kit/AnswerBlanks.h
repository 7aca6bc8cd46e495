// The lettered answer blanks of a proof and the answers that later fill them: each blank keeps
// its pen in T(k), F(k), so its answer is drawn on the same place at the same size.
#pragma once

#include <string>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Blank k, a box `width` across and 50 high with its letter, `gap` after the line's last piece
// (XI2 + gap, YI1). Writes T(k), F(k) and what AnswerBoxOnLine writes (colours 5, 3, 13);
// leaves XI2 = the box's right edge.
void AnswerBlank(Program& P, int k, float gap, float width, const std::string& letter);
// The answer of blank k on its kept pen, `width` across, in the answer colours. Writes as
// RedrawAnswerBox; the cursor stays.
void FillAnswerBlank(Program& P, int k, float width, const std::string& answer);

}  // namespace kit
