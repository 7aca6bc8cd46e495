// What the math text renderers draw for a text at a pen position, measured on a fresh run, and
// whether a log holds it.
#include "support/MathTextLog.h"

#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"
#include "support/TestRun.h"

namespace testsupport {

Log MathTextOps(const std::string& text, float x, float y, int colour, bool plain, const std::string& face) {
  TestRun r;
  if (!face.empty()) r.pf.setFontName(face);
  r.v.X = x;
  r.v.Y = y;
  r.v.CCC1 = static_cast<float>(colour);
  r.v.AA_s = text;
  if (plain) mathtext::PlainMathText(r.P);
  else mathtext::RenderMathText(r.P);
  return r.log;
}

bool HasMathText(const Log& log, const std::string& text, float x, float y, int colour, bool plain,
                 const std::string& face) {
  Log run = MathTextOps(text, x, y, colour, plain, face);
  return !run.empty() && ContainsRun(log, run);
}

float MathTextWidth(const std::string& text) {
  TestRun r;
  r.v.A_s = text;
  mathtext::MeasureMathText(r.P);
  return r.v.LLT;
}

}  // namespace testsupport
