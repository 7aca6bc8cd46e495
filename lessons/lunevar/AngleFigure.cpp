// The interactive figure of item 1: its start values, its opening from the sub-menu (choice 1, or
// an option taken over another screen), and the key loop that moves P and B around the circle.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/Lunevar.h"
#include "platform/KeyCodes.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

using namespace platform::keys;
// Right and left turn P, up and down turn B, clockwise and counter-clockwise as seen.
constexpr char kPClockwise = kRight;
constexpr char kPCounterClockwise = kLeft;
constexpr char kBClockwise = kUp;
constexpr char kBCounterClockwise = kDown;

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
  kit::GridPaper(P, 544, 150, 26, 22, 15, 20);
  P.pf.setDrawWidth(5);
  kit::GridPoint(P, 1, 12, 12);
  kit::GridPoint(P, 6, 20, 24);
  v.R1 = 208; L.DH = 10; L.DHP = 280; L.DHB = 70;
  // A at 230 degrees, B and P their positions past it, Q at 150.
  const DirectedPoint points[] = {{2, &Lunevar::DHRA, 230}, {3, &Lunevar::DHRB, 230 + L.DHB},
                                  {4, &Lunevar::DHRQ, 150}, {5, &Lunevar::DHRP, 230 + L.DHP}};
  PlaceKeepingDirections(P, 1, points);
  v.HH_a(5) = L.DHB / 2;
  v.HH_a(3) = L.DHB;
  v.X_a(6) = v.X_a(6) + 30; v.Y_a(6) = v.Y_a(6) - 20;
  // Choices 4 and 5 set the figure up for their own screens: the explorer's figure is on the
  // page again only once it is drawn.
  L.explorerOnPage = false;
}

void WorkOutAngles(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  v.HH_a(3) = L.DHB;
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
}

void EraseAngleFigure(Program& P) {
  auto& v = P.v;
  kit::EraseBox(P, v.GX1, v.GY1 - 60, v.GX2 + 300, v.GY2 + 50);
}

void OpenAngleFigure(Program& P) {
  AngleFigureTitle(P);
  AngleFigureSetUp(P);
  EraseAngleFigure(P);
}

Screen OperateAngleFigure(Program& P) {
  OpenAngleFigure(P);
  return {RedrawAngleFigure};
}

void ShowAngleFigureAsLeft(Program& P) {
  Lunevar& L = Lv(P);
  if (L.explorerOnPage) return;
  std::optional<Lunevar::Positions> left = L.explorerLeft;
  OpenAngleFigure(P);
  if (left) {
    L.DHB = left->DHB;
    L.DHP = left->DHP;
    WorkOutAngles(P);
  }
  RedrawAngleFigure(P);
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
  L.DHP = clampTurn(L.DHP);
  WorkOutAngles(P);
  EraseAngleFigure(P);
  return {RedrawAngleFigure};
}

}  // namespace lunevar
