// Small steps that item 1's figures repeat on the point tables (see FigurePoints.h).
// They only set the shared inputs and call the figure marks; they keep nothing.
#include "lunevar/FigurePoints.h"

#include <cmath>

#include "figures/Marks.h"
#include "lunevar/Lunevar.h"
#include "platform/Page.h"

namespace lunevar {

void PointOnCircle(Program& P, int i, float theta) {
  auto& v = P.v;
  float r = Lv(P).R1;
  v.X_a(i) = v.X_a(1) + r * std::cos(theta);
  v.Y_a(i) = v.Y_a(1) - r * std::sin(theta);
}

void SetAngleArms(Program& P, int vertex, int arm1, int arm2) {
  auto& v = P.v;
  v.ZX0 = v.X_a(vertex); v.ZY0 = v.Y_a(vertex);
  v.ZX1 = v.X_a(arm1); v.ZY1 = v.Y_a(arm1);
  v.ZX2 = v.X_a(arm2); v.ZY2 = v.Y_a(arm2);
}

void DrawSegment(Program& P, int from, int to, int colour) {
  auto& v = P.v;
  P.pf.line(v.X_a(from), v.Y_a(from), v.X_a(to), v.Y_a(to), colour);
}

void DrawDot(Program& P, int i, float r, int colour) {
  P.pf.circle(P.v.X_a(i), P.v.Y_a(i), r, colour, 0, 0, platform::kFillLineColour);
}

void LabelVertex(Program& P, int vertex, int arm1, int arm2, const char* text, float colour, float gap, float side) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.CCC1 = colour; v.NAGASA = gap; v.ITI = side; v.AAA_s = text;
  figures::PlaceVertexLabel(P);
}

}  // namespace lunevar
