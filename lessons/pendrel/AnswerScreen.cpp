// The answer screens' opening and figure steps (see AnswerScreen.h).
#include "pendrel/AnswerScreen.h"

#include "kit/Boxes.h"
#include "kit/Page.h"
#include "kit/Text.h"

namespace pendrel {

void ColumnAt(Program& P, float xi0, float xi1, float yi1) {
  P.v.XI0 = xi0;
  kit::TextCursorAt(P, xi1, yi1);
}

void OpenAnswerScreen(Program& P, const Opening& o) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = o.xi0, .margin = o.xi1, .top = o.yi1});
  kit::TextBoxOnLine(P, v.XI0, 256, 48, {0, 3, 13}, o.caption);
  kit::TextBoxOnLine(P, v.XI2 + 10, o.numberWidth, 48, {13, 4, 3}, o.number);
}

void Polyline(Program& P, int a, int b, int c, kit::PathKind kind) {
  auto& v = P.v;
  v.A = static_cast<float>(a);
  v.B = static_cast<float>(b);
  v.C = static_cast<float>(c);
  kit::DrawPath(P, {a, b, c}, 0, kind);
}

void Segment(Program& P, int m, int n, float colour) {
  P.v.M = static_cast<float>(m);
  P.v.N = static_cast<float>(n);
  kit::DrawSegment(P, m, n, colour);
}

void AngleMark(Program& P, const kit::AngleMark& mark) {
  auto& v = P.v;
  v.A = static_cast<float>(mark.vertex);
  v.B = static_cast<float>(mark.arm1);
  v.C = static_cast<float>(mark.arm2);
  kit::DrawAngleMark(P, mark);
}

void RightAngle(Program& P, int n1, int n2, int n3, float side, float length, float colour) {
  auto& v = P.v;
  v.N1 = static_cast<float>(n1);
  v.N2 = static_cast<float>(n2);
  v.N3 = static_cast<float>(n3);
  v.ITI = side;
  kit::DrawCorner(P, n1, n2, n3, length, colour);
}

}  // namespace pendrel
