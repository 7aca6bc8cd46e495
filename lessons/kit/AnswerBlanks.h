// The lettered answer blanks of a proof and the answers that later fill them: each blank keeps
// its pen in T(k), F(k), so its answer is drawn on the same place at the same size. A screen's
// blanks are one table of answers (width and text), shared by the blank and its answer.
#pragma once

#include <span>
#include <string>

#include "kit/Boxes.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// Blank k, a box answers[k-1].width across and 50 high with its letter, `gap` after the line's
// last piece (XI2 + gap, YI1). Writes T(k), F(k) and what AnswerBoxOnLine writes (colours 5, 3,
// 13); leaves XI2 = the box's right edge.
void AnswerBlank(Program& P, std::span<const Answer> answers, int k, float gap, const std::string& letter);
// Answer k of the table on blank k's kept pen, in the answer colours. Writes as RedrawAnswerBox;
// the cursor stays.
void FillAnswerBlank(Program& P, std::span<const Answer> answers, int k);

}  // namespace kit
