// Framed text boxes around math text, and the plain label renderer used by figure labels
// and axis numbers.
#pragma once

#include "shell/Program.h"

namespace mathtext {

using shell::Program;

void DrawTextBox(Program& P);
void DrawTextBoxOnLine(Program& P);
void DrawTwoLineTextBox(Program& P);
void PlainMathText(Program& P);
void MeasurePlainText(Program& P);
void DrawPlainTextBox(Program& P);
void DrawPlainTwoLineTextBox(Program& P);
void ParenthesizeNegative(Program& P);

}  // namespace mathtext
