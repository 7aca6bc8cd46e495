// The interactive figure drawn in full from the explorer's positions: circle, points, radii,
// chords, letters, the marks of the inscribed and central angles, their values and the diameter.
#include "figures/Marks.h"
#include "lunevar/FigurePoints.h"
#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"
#include "mathtext/MathText.h"
#include "platform/Number.h"

namespace lunevar {

namespace {

struct MarkSides {
  float markAtP, letterP, markAtO, letterO;
};

// The side flags that make each arc cover the angle itself and put each letter opposite it.
MarkSides sidesFor(PositionCase c) {
  switch (c) {
    case PositionCase::PBeyondB: return {-1, 1, 1, -1};
    case PositionCase::PBetweenAAndB: return {1, -1, -1, 1};
    case PositionCase::POnAOrB: break;
  }
  return {0, -1, 0, 1};
}

void mark(Program& P, int vertex, int arm1, int arm2, float colour, float side) {
  auto& v = P.v;
  SetAngleArms(P, vertex, arm1, arm2);
  v.CCC2 = colour; v.CCC3 = colour; v.NAGASA = 40; v.HONSU = 1; v.ITI = side;
  figures::DrawAngleArcs(P);
}

// One line of the angle texts at the anchor, or its place erased when switched off.
void angleText(Program& P, float dy, bool shown, const char* name, float degrees) {
  auto& v = P.v;
  float x = v.X_a(6), y = v.Y_a(6) + dy;
  if (!shown) {
    P.pf.fillBox(x, y, x + 320, y + 50, 15, 15);
    return;
  }
  // The number keeps the blank of its text form: "∠APB= 35°".
  v.CCC1 = 0; v.X = x; v.Y = y; v.AA_s = std::string(name) + platform::numToText(degrees) + "°";
  mathtext::RenderMathText(P);
}

}  // namespace

Screen RedrawAngleFigure(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  P.pf.setDrawWidth(5);
  L.DHRB = (230 + L.DHB) * v.PI / 180;
  L.DHRP = (230 + L.DHP) * v.PI / 180;
  DrawDot(P, 1, 3, 0);
  P.pf.circle(v.X_a(1), v.Y_a(1), L.R1, 0);
  PointOnCircle(P, 3, L.DHRB);
  PointOnCircle(P, 5, L.DHRP);
  PointOnCircle(P, 7, v.PI + L.DHRP);
  DrawDot(P, 2, 5, 0);
  DrawDot(P, 3, 5, 0);
  DrawDot(P, 5, 5, 5);
  DrawSegment(P, 2, 1, 3);
  DrawSegment(P, 3, 1, 3);
  DrawSegment(P, 2, 5, 5);
  DrawSegment(P, 3, 5, 5);
  LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  LabelVertex(P, 3, 4, 2, "B", 0, 16, -1);
  PositionCase c = CaseOfPositions(L);
  MarkSides s = sidesFor(c);
  if (c != PositionCase::POnAOrB) mark(P, 5, 3, 2, 5, s.markAtP);
  LabelVertex(P, 5, 3, 2, "P", 5, 8, s.letterP);
  if (c != PositionCase::POnAOrB) mark(P, 1, 2, 3, 3, s.markAtO);
  LabelVertex(P, 1, 2, 3, "O", 0, 8, s.letterO);
  angleText(P, 0, L.KAKU1_s == "on", "∠APB=", v.HH_a(5));
  angleText(P, 50, L.KAKU2_s == "on", "∠AOB=", v.HH_a(3));
  if (L.TKEI_s == "on") DrawSegment(P, 5, 7, 7);
  return {AngleFigureKeyLoop};
}

}  // namespace lunevar
