// Choices 4 and 5 of item 1: six inscribed angles on one arc, and the statements of the
// inscribed angle theorem. Both draw at once and go straight back to the sub-menu.
#include "lunevar/FigurePoints.h"
#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"
#include "mathtext/MathText.h"

namespace lunevar {

namespace {

struct TextLine {
  float colour, dx, dy;  // pen from the margin XI1 and from the line before
  const char* text;
};

constexpr TextLine kTheorem[] = {
    {5, 0, 0, "< 円周角の定理 >"},
    {0, 16, 50, "①１つの弧に対する円周角の大きさは、"},
    {0, 16, 50, "　その弧に対する中心角の大きさの"},
    {0, 16, 50, "　半分である。"},
    {0, 16, 70, "②同じ弧に対する円周角の大きさは等しい。"},
};

}  // namespace

Screen TheoremSummary(Program& P) {
  auto& v = P.v;
  AngleFigureSetUp(P);
  P.pf.fillBox(v.GX1, v.GY1 - 150, v.GX2 + 300, v.GY2 + 50, 15, 15);
  v.XI1 = 560; v.YI1 = 30;
  for (const TextLine& line : kTheorem) {
    v.CCC1 = line.colour; v.X = v.XI1 + line.dx; v.Y = v.YI1 + line.dy; v.AA_s = line.text;
    mathtext::RenderMathText(P);
    v.YI1 = v.Y; v.XI2 = v.X;
  }
  return {InscribedAngleSubMenu};
}

Screen SeveralInscribedAngles(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  AngleFigureSetUp(P);
  P.pf.fillBox(v.GX1, v.GY1 - 60, v.GX2 + 200, v.GY2 + 60, 15, 15);
  L.DHRB = (230 + L.DHB) * v.PI / 180;
  PointOnCircle(P, 3, L.DHRB);
  DrawDot(P, 1, 3, 0);
  P.pf.circle(v.X_a(1), v.Y_a(1), L.R1, 0);
  DrawSegment(P, 2, 1, 3);
  DrawSegment(P, 3, 1, 3);
  LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  LabelVertex(P, 3, 4, 2, "B", 0, 8, -1);
  L.IJ = 1;
  do {  // P every 4 steps past B, six times, all on the arc opposite AB
    L.DHP = L.DHB + 4 * L.IJ * L.DH;
    L.DHRP = (230 + L.DHP) * v.PI / 180;
    PointOnCircle(P, 5, L.DHRP);
    DrawSegment(P, 2, 5, 0);
    DrawSegment(P, 3, 5, 0);
    L.IJ = L.IJ + 1;
  } while (L.IJ <= 6);
  return {InscribedAngleSubMenu};
}

}  // namespace lunevar
