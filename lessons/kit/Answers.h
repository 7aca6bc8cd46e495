// Answers: the answer boxes on the text line of the proof screens and practices, the answers
// drawn into them later, and the framed text boxes of captions.
#pragma once

#include <span>
#include <string>

#include "platform/Arr.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// One box of a screen's answer table: its width and the answer that fills it.
struct Answer {
  float width;
  const char* text;
};
// A screen's answer boxes: drawn empty (with a label) as the text reaches them and filled with
// their answers later, both from one table. Box k keeps its left edge and text line in xs(k),
// ys(k), so its answer lands on the same place at the same size.
struct AnswerBoxes {
  std::span<const Answer> answers;
  float height = 50;
  platform::Arr<float> shell::Vars::*xs = &shell::Vars::T_a;
  platform::Arr<float> shell::Vars::*ys = &shell::Vars::F_a;
};
// "①" for 1, up to "⑳" for 20.
std::string CircledNumber(int n);
// Box k (1-based) with its label (its circled number when none is given), text colour 5, outline
// 3 and fill 13, at (XI2 + gap, YI1). Writes xs(k), ys(k), X, Y, HABA, TATE, CCC1 to CCC3, A$;
// leaves XI2 = the box's right edge.
void EmptyAnswerBox(Program& P, const AnswerBoxes& boxes, int k, float gap, const char* label = nullptr);
// Answer k on its box, in the box's colours. Writes X, Y, HABA, TATE, CCC1 to CCC3, A$; the
// cursor stays.
void FillAnswerBox(Program& P, const AnswerBoxes& boxes, int k);
// Every answer of the table in turn, each after a key wait. Writes as FillAnswerBox.
void RevealAnswers(Program& P, const AnswerBoxes& boxes);

// Framed text boxes at (x, y). Colours: text, outline, fill (CCC1 to CCC3).
struct BoxColours {
  float text, outline, fill;
};
// A caption centred in a box of width x height. Writes X, Y, HABA, TATE, CCC1 to CCC3, A$.
void TextBox(Program& P, float x, float y, float width, float height, BoxColours c, const std::string& text);
// The same box at (x, YI1) as a piece of the text line: leaves XI2 = X, YI1 = Y.
void TextBoxOnLine(Program& P, float x, float width, float height, BoxColours c, const std::string& text);

}  // namespace kit
