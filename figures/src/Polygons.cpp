// A closed polygon through the vertex table G(), and its vertex names: successive letters or
// texts from X$(), each placed outside the corner of a polygon listed counter-clockwise.
#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/Number.h"

namespace figures {

using namespace platform;

namespace {

// Vertex `at` with arms to the next vertex and the next but one, set outside the corner
// (for a polygon listed counter-clockwise as seen) at the gap taken before labelling.
void LabelVertex(Program& P, float at, const std::string& label) {
  shell::Vars& v = P.v;
  v.KJ1 = at + 1;
  if (v.KJ1 > v.KAKU) v.KJ1 = v.KJ1 - v.KAKU;
  v.KJ2 = at + 2;
  if (v.KJ2 > v.KAKU) v.KJ2 = v.KJ2 - v.KAKU;
  v.ZX0 = v.G_a(at, 1);
  v.ZY0 = v.G_a(at, 2);
  v.ZX1 = v.G_a(v.KJ1, 1);
  v.ZY1 = v.G_a(v.KJ1, 2);
  v.ZX2 = v.G_a(v.KJ2, 1);
  v.ZY2 = v.G_a(v.KJ2, 2);
  v.ITI = -1;
  v.NAGASA = v.NAGASA1;
  v.AAA_s = label;
  PlaceVertexLabel(P);
}

}  // namespace

void DrawPolygon(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  // Kept here, not in DR, which the label renderer overwrites.
  int callersWidth = P.pf.drawWidth();
  // G() holds ten vertices; fewer than three make no polygon.
  bool drawable = v.KAKU >= 3 && v.KAKU <= 10;
  if (drawable) {
    float last = v.KAKU;
    v.II = 1;
    do {
      v.KJ1 = v.II == v.KAKU ? 1 : v.II + 1;
      P.pf.setDrawWidth(clng(v.SIZE1));
      P.pf.line(v.G_a(v.II, 1), v.G_a(v.II, 2), v.G_a(v.KJ1, 1), v.G_a(v.KJ1, 2), detail::Colour(v.CCC2));
      v.II = v.II + 1;
    } while (v.II <= last);
  }
  v.NAGASA1 = v.NAGASA;
  if (drawable) {
    if (v.AAA_s == "1") {
      LabelPolygonFromList(P);
    } else if (!v.AAA_s.empty()) {
      LabelPolygonLetters(P);
    }
  }
  v.AAA_s.clear();
  P.pf.setDrawWidth(callersWidth);
}

void LabelPolygonLetters(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.KJ3 = static_cast<float>(detail::CodeOfFirstChar(v.AAA_s));
  float last = v.KAKU;
  v.II = 1;
  do {
    LabelVertex(P, v.II, detail::CharOfCode(v.KJ3 - 1 + v.II));
    v.II = v.II + 1;
  } while (v.II <= last);
}

void LabelPolygonFromList(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  float last = v.KAKU;
  v.TII = 1;
  do {
    LabelVertex(P, v.TII, v.X_s_a(v.TII));
    v.TII = v.TII + 1;
  } while (v.TII <= last);
}

}  // namespace figures
