// Choices 4 and 5 of item 1: six inscribed angles on one arc, and the statements of the
// inscribed angle theorem. Both draw at once and go straight back to the sub-menu.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/Lunevar.h"

namespace lunevar {

namespace {

using kit::AtMargin;

constexpr kit::TextPiece kTheorem[] = {
    AtMargin(0, 5, "< 円周角の定理 >"),
    AtMargin(50, 0, "①１つの弧に対する円周角の大きさは、", 16),
    AtMargin(50, 0, "　その弧に対する中心角の大きさの", 16),
    AtMargin(50, 0, "　半分である。", 16),
    AtMargin(70, 0, "②同じ弧に対する円周角の大きさは等しい。", 16),
};

}  // namespace

Screen TheoremSummary(Program& P) {
  auto& v = P.v;
  AngleFigureSetUp(P);
  kit::EraseBox(P, v.GX1, v.GY1 - 150, v.GX2 + 300, v.GY2 + 50);
  kit::TextCursorAt(P, 560, 30);
  kit::DrawTextPieces(P, kTheorem);
  return {InscribedAngleSubMenu};
}

Screen SeveralInscribedAngles(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  AngleFigureSetUp(P);
  kit::EraseBox(P, v.GX1, v.GY1 - 60, v.GX2 + 200, v.GY2 + 60);
  L.DHRB = (230 + L.DHB) * v.PI / 180;
  kit::PointAtRadians(P, 3, 1, v.R1, L.DHRB);
  kit::DrawDot(P, 1, 3, 0);
  kit::DrawCircle(P, 1, v.R1, 0);
  kit::DrawSegment(P, 2, 1, 3);
  kit::DrawSegment(P, 3, 1, 3);
  kit::LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  kit::LabelVertex(P, 3, 4, 2, "B", 0, 8, -1);
  L.IJ = 1;
  do {  // P every 4 steps past B, six times, all on the arc opposite AB
    L.DHP = L.DHB + 4 * L.IJ * L.DH;
    L.DHRP = (230 + L.DHP) * v.PI / 180;
    kit::PointAtRadians(P, 5, 1, v.R1, L.DHRP);
    kit::DrawSegment(P, 2, 5, 0);
    kit::DrawSegment(P, 3, 5, 0);
    L.IJ = L.IJ + 1;
  } while (L.IJ <= 6);
  return {InscribedAngleSubMenu};
}

}  // namespace lunevar
