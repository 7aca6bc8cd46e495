// Boxes on the text line and framed text boxes: the answer boxes of the proof screens, the
// answers drawn into them later, and the plain and two-line boxes of captions.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "platform/Arr.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// Where a box was drawn: its left edge and its text line's y (what a screen keeps in T()/F()).
struct Pen {
  float x, y;
};

// An answer box with text colour 5, outline 3 and fill 13 at (XI2 + gap, YI1). Writes X, Y,
// HABA, TATE, CCC1 to CCC3, A$; leaves XI2 = the box's right edge. Returns where it stands.
Pen AnswerBoxOnLine(Program& P, float gap, float width, float height, const std::string& text);
// The answer on a box drawn earlier at (x, y), in the answer box's colours. Writes X, Y, HABA,
// TATE, CCC1 to CCC3, A$; the cursor stays.
void RedrawAnswerBox(Program& P, float x, float y, float width, float height, const std::string& text);

// One box of a proof: its width and the answer that fills it. The proof screen draws the boxes
// empty (with their numbers) and the answers screen fills them, both from one table.
struct Answer {
  float width;
  const char* text;
};
// "①" for 1, up to "⑳" for 20.
std::string CircledNumber(int n);
// Box n of a proof (1-based) on the line, with its circled number; its place is kept in
// xs(n), ys(n). Writes as AnswerBoxOnLine.
void NumberedAnswerBox(Program& P, std::span<const Answer> answers, int n, float gap, float height,
                       platform::Arr<float>& xs, platform::Arr<float>& ys);
// The answers screen: for each answer in turn a key wait, then the answer on the box kept in
// xs(n), ys(n). Writes as RedrawAnswerBox.
void RevealAnswers(Program& P, std::span<const Answer> answers, float height, platform::Arr<float>& xs,
                   platform::Arr<float>& ys);

// Framed text boxes at (x, y). Colours: text, outline, fill (CCC1 to CCC3).
struct BoxColours {
  float text, outline, fill;
};
// A caption centred in a box of width x height. Writes X, Y, HABA, TATE, CCC1 to CCC3, A$.
void TextBox(Program& P, float x, float y, float width, float height, BoxColours c, const std::string& text);
// Two centred lines in one box. Writes X, Y, HABA, TATE, CCC1 to CCC3, A1$, A2$.
void TwoLineTextBox(Program& P, float x, float y, float width, float height, BoxColours c,
                    const std::string& first, const std::string& second);

}  // namespace kit
