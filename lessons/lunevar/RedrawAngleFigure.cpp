// The interactive figure drawn in full from the explorer's positions: circle, points, radii,
// chords, letters, the marks of the inscribed and central angles, their values and the diameter.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/Lunevar.h"
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
  kit::DrawAngleMark(P, {.vertex = vertex, .arm1 = arm1, .arm2 = arm2, .length = 40, .count = 1, .side = side,
                         .line = colour, .fill = colour});
}

// One line of the angle texts at the anchor, or its place erased when switched off.
void angleText(Program& P, float dy, bool shown, const char* name, float degrees) {
  auto& v = P.v;
  float x = v.X_a(6), y = v.Y_a(6) + dy;
  if (!shown) {
    kit::EraseBox(P, x, y, x + 320, y + 50);
    return;
  }
  // The number keeps the blank of its text form: "∠APB= 35°".
  kit::TextAt(P, x, y, std::string(name) + platform::numToText(degrees) + "°", 0);
}

}  // namespace

Screen RedrawAngleFigure(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  P.pf.setDrawWidth(5);
  kit::DrawDot(P, 1, 3, 0);
  kit::DrawCircle(P, 1, v.R1, 0);
  const DirectedPoint points[] = {{3, &Lunevar::DHRB, 230 + L.DHB}, {5, &Lunevar::DHRP, 230 + L.DHP}};
  PlaceKeepingDirections(P, 1, points);
  kit::PointAtRadians(P, 7, 1, v.R1, v.PI + L.DHRP);  // the far end of the diameter through P
  kit::DrawDot(P, 2, 5, 0);
  kit::DrawDot(P, 3, 5, 0);
  kit::DrawDot(P, 5, 5, 5);
  kit::DrawSegment(P, 2, 1, 3);
  kit::DrawSegment(P, 3, 1, 3);
  kit::DrawSegment(P, 2, 5, 5);
  kit::DrawSegment(P, 3, 5, 5);
  kit::LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  kit::LabelVertex(P, 3, 4, 2, "B", 0, 16, -1);
  PositionCase c = CaseOfPositions(L);
  MarkSides s = sidesFor(c);
  if (c != PositionCase::POnAOrB) mark(P, 5, 3, 2, 5, s.markAtP);
  kit::LabelVertex(P, 5, 3, 2, "P", 5, 8, s.letterP);
  if (c != PositionCase::POnAOrB) mark(P, 1, 2, 3, 3, s.markAtO);
  kit::LabelVertex(P, 1, 2, 3, "O", 0, 8, s.letterO);
  angleText(P, 0, L.KAKU1_s == "on", "∠APB=", v.HH_a(5));
  angleText(P, 50, L.KAKU2_s == "on", "∠AOB=", v.HH_a(3));
  if (L.TKEI_s == "on") kit::DrawSegment(P, 5, 7, 7);
  L.explorerOnPage = true;
  L.explorerLeft = Lunevar::Positions{L.DHB, L.DHP};
  return {AngleFigureKeyLoop};
}

}  // namespace lunevar
