// The corner mark at a vertex, and the label placer every figure label goes through: the
// label box is pushed out along the bisector by the gap plus its own half-width and half-height.
#include <cmath>

#include "MarkMath.h"
#include "figures/Marks.h"
#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"
#include "platform/Number.h"
#include "platform/Strings.h"

namespace figures {

using namespace platform;

void DrawCornerMark(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  ComputeArmAngles(P);
  v.ZX3 = chk(v.ZX0 + v.NAGASA * std::cos(v.HH3));
  v.ZY3 = chk(v.ZY0 - v.NAGASA * std::sin(v.HH3));
  v.ZX4 = chk(v.ZX0 + v.NAGASA * std::cos(v.HH4));
  v.ZY4 = chk(v.ZY0 - v.NAGASA * std::sin(v.HH4));
  v.ZX5 = chk(v.ZX3 + v.NAGASA * std::cos(v.HH4));
  v.ZY5 = chk(v.ZY3 - v.NAGASA * std::sin(v.HH4));
  // Only the two far sides of the parallelogram: the arms themselves are the caller's.
  P.pf.polyline({{v.ZX3, v.ZY3}, {v.ZX5, v.ZY5}, {v.ZX4, v.ZY4}}, detail::Colour(v.CCC2));
}

void PlaceVertexLabel(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.A_s = v.AAA_s;
  mathtext::MeasureMathText(P);
  ComputeArmAngles(P);
  v.N1 = static_cast<float>(kInstr(1, v.AAA_s, "ﾀ"));
  v.DY = v.N1 != 0 ? 40.0f : 22.0f;  // half the box height; a stacked fraction stands taller
  float c = std::cos(v.HH5), s = std::sin(v.HH5);
  v.X = chk(v.ZX0 + v.NAGASA * c + v.LLT * (c / 2 - 0.5f) + v.AAAX);
  v.Y = chk(v.ZY0 - v.NAGASA * s - 2 * v.DY * (s / 2 + 0.5f) + v.AAAY);
  v.AA_s = v.AAA_s;
  if (v.MU_DO == 1) {
    mathtext::PlainMathText(P);
  } else {
    mathtext::RenderMathText(P);
  }
  // One-shot inputs: the next label starts from no gap, no offset and the usual side.
  v.ITI = 0;
  v.AAA_s.clear();
  v.AAAX = 0;
  v.AAAY = 0;
  v.NAGASA = 0;
  v.MU_DO = 0;
}

}  // namespace figures
