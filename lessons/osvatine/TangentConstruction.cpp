// Screen 1 of item 2: the tangents from a point A to a circle O constructed one stroke per key
// (the midpoint M of AO, the circle on AO, its crossings P and P' with circle O), then why the
// construction gives tangents and that the two tangents from A are equal.
#include <initializer_list>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/Osvatine.h"
#include "osvatine/ShipStrokes.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

using namespace tangent;

// The points given on the grid: M, O, A, the arcs' crossings and the bisector's ends.
constexpr kit::GridEntry kGridPoints[] = {
    {M, 6, 5}, {O, 12, 5}, {A, 0, 5}, {Upper, 6, 8}, {Lower, 6, 2}, {BisectorTop, 6, 8.5f}, {BisectorFoot, 6, 1.5f},
};

// The frame, the points in page units, and P, P' at the fixed directions 110° and 250° from O
// with the tangents' ends a fifth of AP (AP') beyond them.
void setUpTangentFigure(Program& P) {
  auto& v = P.v;
  auto& o = Os(P);
  kit::FigureFrame(P, 720, 150, 16, 10, 30);
  kit::PlaceGridEntries(P, kGridPoints);
  v.R1 = 4 * v.SIZE;
  o.DHRP = 110 * v.PI / 180;
  o.DHRQ = 250 * v.PI / 180;
  kit::PointAtRadians(P, tangent::P, O, v.R1, o.DHRP);
  kit::PointAtRadians(P, P2, O, v.R1, o.DHRQ);
  for (auto [end, contact] : {std::pair{EndP, tangent::P}, std::pair{EndP2, P2}}) {
    v.DX = (v.X_a(contact) - v.X_a(A)) / 5;
    v.DY = (v.Y_a(contact) - v.Y_a(A)) / 5;
    v.X_a(end) = v.X_a(contact) + v.DX;
    v.Y_a(end) = v.Y_a(contact) + v.DY;
  }
}

// Circle O with its centre, and the point A, each with its letter.
void drawCircleOAndA(Program& P) {
  kit::CircleWithCentreO(P, O, P.v.R1, 4, 6, -20);
  kit::DrawDot(P, A, 4, 0);
  kit::LetterAt(P, A, -40, -20, "A", 0);
}

// The radii OP, OP' and the right angles they make with the tangents.
void drawRadiusOP(Program& P) {
  kit::DrawSegment(P, O, tangent::P, 0);
}
void drawRadiusOP2(Program& P) {
  kit::DrawSegment(P, O, P2, 0);
}
void markRightAngleAt(Program& P, int contact) {
  kit::DrawCornerOnSide(P, contact, A, O, 30, 5, -1);
}

}  // namespace

void AnimateTangentConstruction(Program& P) {
  auto& v = P.v;
  setUpTangentFigure(P);
  drawCircleOAndA(P);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "①線分AOの中点Mをとる。", 0);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, A, O, 0);
  shell::WaitAnyKey(P);
  v.R2 = kit::PointDistance(P, A, Upper);
  kit::CompassArcStep(P, kStrokeAboutA, v.R2);
  shell::WaitAnyKey(P);
  v.R2 = kit::PointDistance(P, O, Upper);
  kit::CompassArcStep(P, kStrokeAboutO, v.R2);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, BisectorTop, BisectorFoot, 0);
  shell::WaitAnyKey(P);
  kit::DrawDot(P, M, 4, 0);
  kit::LetterAt(P, M, -46, 6, "M", 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "②Mを中心として、", 0);
  kit::TextOnNewLine(P, v.XI1, 50, "　MOを半径とする円Mをかく。", 0);
  v.R2 = 6 * v.SIZE;
  kit::DrawCircle(P, M, v.R2, 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "③円Oとの交点をP,P'として、", 0);
  kit::LetterAt(P, tangent::P, 0, -45, "P", 0);
  kit::LetterAt(P, P2, 0, 10, "P'", 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 50, "　直線AP,AP'をひく。", 0);
  kit::DrawSegment(P, A, EndP, 3);
  kit::DrawSegment(P, A, EndP2, 3);
}

void DrawTangentReasonFigure(Program& P) {
  auto& v = P.v;
  drawCircleOAndA(P);
  kit::DrawSegment(P, A, EndP, 3);
  kit::LetterAt(P, tangent::P, 0, -45, "P", 0);
  kit::DrawSegment(P, A, EndP2, 3);
  kit::LetterAt(P, P2, 0, 10, "P'", 0);
  kit::DrawSegment(P, A, O, 0);
  v.R2 = 6 * v.SIZE;
  kit::DrawCircle(P, M, v.R2, 0);
}

Screen TangentConstruction(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 36, .heading = "点Aを通る円Oの接線を作図しよう。", .colour = 0});
  kit::TextOnNewLine(P, v.XI1, 50, "<Aから円Oへの接線のひき方>", 3);
  AnimateTangentConstruction(P);
  shell::WaitAnyKey(P);

  kit::OpenPage(P, {.margin = 36, .heading = "この方法で円の接線が作図できる理由を説明しよう。", .drawWidth = 0});
  DrawTangentReasonFigure(P);
  shell::WaitAnyKey(P);
  drawRadiusOP(P);
  drawRadiusOP2(P);
  shell::WaitAnyKey(P);
  markRightAngleAt(P, tangent::P);
  markRightAngleAt(P, P2);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "円の接線は、接点を通る半径に垂直だから", 0);
  kit::TextOnNewLine(P, v.XI1, 60, " ∠APO=∠AP'O=90°", 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "したがって", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "P,P'はAOを直径とする円周上にある。", 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 90, "<円外の1点からの接線>", 3);
  kit::TextOnNewLine(P, v.XI1, 60, "円外の1点から、その円にひいた", 0);
  kit::TextOnNewLine(P, v.XI1, 60, " 2つの接線の長さは等しい。", 0);
  kit::TextOnNewLine(P, v.XI1, 60, "  AP=AP'", 5);
  drawRadiusOP(P);
  markRightAngleAt(P, tangent::P);
  drawRadiusOP2(P);
  markRightAngleAt(P, P2);
  shell::WaitAnyKey(P);
  kit::TextAt(P, 240, 590, "教科書P173 問4　をしなさい。", 7);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
