// Lesson text at the screens' text cursor: the cursor is the shared XI1 (left margin), YI1 (the
// current line's y) and XI2 (where the line's last text or box ended), exactly as the lessons keep it.
#pragma once

#include <string>

#include "shell/Program.h"

namespace kit {

using shell::Program;

// Sets the margin and the line: XI1 = x, YI1 = y. Leaves XI2 alone.
void TextCursorAt(Program& P, float x, float y);
// Text at (x, YI1 + step) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y.
void TextOnNewLine(Program& P, float x, float step, const std::string& text, float colour);
// Text at (XI2 + gap, YI1) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y.
void TextOnLine(Program& P, float gap, const std::string& text, float colour);
// Text at (x, y) in colour. Writes CCC1, X, Y, AA$; the cursor stays where it was.
void TextAt(Program& P, float x, float y, const std::string& text, float colour);
// Text where the last text ended (the pen X, Y). Writes CCC1, AA$, X; the cursor stays.
void TextAtPen(Program& P, const std::string& text, float colour);
// "<めあて>" at (44, 240) in colour 3 and the sentence 65 lower in colour 0. Leaves XI1 = 44,
// YI1 = 305, XI2 = the pen after the sentence, CCC1 = 0.
void DrawGoalText(Program& P, const std::string& sentence);

}  // namespace kit
