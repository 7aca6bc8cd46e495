// Lesson text at the screens' text cursor (see Text.h). Every call renders through the math
// text renderer and keeps no state of its own.
#include "kit/Text.h"

#include "mathtext/MathText.h"

namespace kit {

void TextCursorAt(Program& P, float x, float y) {
  P.v.XI1 = x;
  P.v.YI1 = y;
}

void TextAt(Program& P, float x, float y, const std::string& text, float colour) {
  auto& v = P.v;
  v.CCC1 = colour;
  v.X = x;
  v.Y = y;
  v.AA_s = text;
  mathtext::RenderMathText(P);
}

void TextOnNewLine(Program& P, float x, float step, const std::string& text, float colour) {
  auto& v = P.v;
  TextAt(P, x, v.YI1 + step, text, colour);
  v.XI2 = v.X;
  v.YI1 = v.Y;
}

void TextOnLine(Program& P, float gap, const std::string& text, float colour) {
  auto& v = P.v;
  TextAt(P, v.XI2 + gap, v.YI1, text, colour);
  v.XI2 = v.X;
  v.YI1 = v.Y;
}

void TextAtPen(Program& P, const std::string& text, float colour) {
  auto& v = P.v;
  v.CCC1 = colour;
  v.AA_s = text;
  mathtext::RenderMathText(P);
}

void DrawGoalText(Program& P, const std::string& sentence) {
  shell::Routine r(P);
  TextCursorAt(P, 44, 240);
  TextOnNewLine(P, P.v.XI1, 0, "<めあて>", 3);
  TextOnNewLine(P, P.v.XI1, 65, sentence, 0);
}

}  // namespace kit
