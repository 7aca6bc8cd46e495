// Lesson text that starts a line of its own (see TextLines.h).
#include "kit/TextLines.h"

#include "kit/Text.h"

namespace kit {

void TextLineAt(Program& P, float x, float y, const std::string& text, float colour) {
  TextAt(P, x, y, text, colour);
  P.v.XI2 = P.v.X;
  P.v.YI1 = P.v.Y;
}

void EmptyLine(Program& P, float step) {
  P.v.YI1 += step;
  P.v.XI2 = P.v.XI1;
}

}  // namespace kit
