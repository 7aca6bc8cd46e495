// Lesson text at a pen position through the math text renderer, in the colour in CCC1.
#include "Pen.h"

#include "mathtext/MathText.h"

namespace geometry {

void WriteAt(shell::Program& P, const std::string& text, float x, float y) {
  P.v.X = x;
  P.v.Y = y;
  P.v.AA_s = text;
  mathtext::RenderMathText(P);
}

}  // namespace geometry
