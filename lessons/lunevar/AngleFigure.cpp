// The interactive figure of item 1: its start values, its opening from the sub-menu, and the
// key loop that moves P and B around the circle and works out the two angles on arc AB.
#include "figures/Marks.h"
#include "lunevar/FigurePoints.h"
#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr char kEnter = 13;
constexpr char kPClockwise = 28;
constexpr char kPCounterClockwise = 29;
constexpr char kBClockwise = 30;
constexpr char kBCounterClockwise = 31;

// Positions stop at A from either side: no wrap past 0 or 360.
float clampTurn(float d) {
  if (d > 360) return 360;
  if (d < 0) return 0;
  return d;
}

}  // namespace

PositionCase CaseOfPositions(const Lunevar& L) {
  if (L.DHP < 360 && L.DHP > L.DHB) return PositionCase::PBeyondB;
  if (L.DHP < L.DHB && L.DHP > 0) return PositionCase::PBetweenAAndB;
  return PositionCase::POnAOrB;
}

void AngleFigureSetUp(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  Lunevar& L = Lv(P);
  v.GGX = 544; v.GGY = 150; v.YOKO = 26; v.TATE = 22; v.CCC2 = 15; v.SIZE = 20;
  figures::DrawGrid(P);
  P.pf.setDrawWidth(5);
  v.X_a(1) = v.GX0 + v.SIZE * 12; v.Y_a(1) = v.GY0 - v.SIZE * 12;
  v.X_a(6) = v.GX0 + v.SIZE * 20; v.Y_a(6) = v.GY0 - v.SIZE * 24;
  L.R1 = 208; L.DH = 10; L.DHP = 280; L.DHB = 70;
  L.DHRA = 230 * v.PI / 180;
  L.DHRB = (230 + L.DHB) * v.PI / 180;
  L.DHRQ = 150 * v.PI / 180;
  L.DHRP = (230 + L.DHP) * v.PI / 180;
  PointOnCircle(P, 2, L.DHRA);
  PointOnCircle(P, 3, L.DHRB);
  PointOnCircle(P, 4, L.DHRQ);
  PointOnCircle(P, 5, L.DHRP);
  v.HH_a(5) = L.DHB / 2;
  v.HH_a(3) = L.DHB;
  v.X_a(6) = v.X_a(6) + 30; v.Y_a(6) = v.Y_a(6) - 20;
  L.figureReady = true;
}

void EraseAngleFigure(Program& P) {
  auto& v = P.v;
  P.pf.fillBox(v.GX1, v.GY1 - 60, v.GX2 + 300, v.GY2 + 50, 15, 15);
}

Screen OperateAngleFigure(Program& P) {
  AngleFigureTitle(P);
  AngleFigureSetUp(P);
  EraseAngleFigure(P);
  return {RedrawAngleFigure};
}

Screen AngleFigureKeyLoop(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  char key = 0;
  for (;;) {
    v.CCC1 = 0;
    v.AA_s = "←→（P),↑↓(B)で点を動かす。Enterキーで決定";
    shell::ShowFootBannerAndWait(P);
    key = v.I_s.size() == 1 ? v.I_s[0] : 0;
    if (key == kEnter || key == kPClockwise || key == kPCounterClockwise || key == kBClockwise ||
        key == kBCounterClockwise)
      break;
  }
  if (key == kEnter) {
    shell::CloseFootBanner(P);
    return {InscribedAngleSubMenu};
  }
  if (key == kPClockwise) L.DHP = L.DHP - L.DH;
  else if (key == kPCounterClockwise) L.DHP = L.DHP + L.DH;
  else if (key == kBCounterClockwise) L.DHB = L.DHB + L.DH;
  else L.DHB = L.DHB - L.DH;
  L.DHB = clampTurn(L.DHB);
  v.HH_a(3) = L.DHB;
  L.DHP = clampTurn(L.DHP);
  // The inscribed angle stands on the arc AB that does not hold P.
  switch (CaseOfPositions(L)) {
    case PositionCase::PBeyondB:
      v.HH_a(5) = L.DHB / 2;
      break;
    case PositionCase::PBetweenAAndB:
      v.HH_a(5) = 180 - L.DHB / 2;
      v.HH_a(3) = 360 - L.DHB;
      break;
    case PositionCase::POnAOrB:
      v.HH_a(5) = 0;
      break;
  }
  EraseAngleFigure(P);
  return {RedrawAngleFigure};
}

}  // namespace lunevar
