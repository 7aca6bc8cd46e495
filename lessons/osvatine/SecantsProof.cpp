// Screen 4 of item 2, the answer to problem 5: from A outside circle O one secant meets the
// circle at D and B, another at E and C, and triangles ABE and ACD are similar.
#include "geometry/Lines.h"
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "osvatine/ConstructProve.h"
#include "shell/Waits.h"

namespace osvatine {

namespace {

constexpr int O = 0, A = 1, B = 2, C = 3, D = 4, E = 5;

// Blanks ア to ウ and their answers.
constexpr kit::Answer kAnswers[] = {{108, "∠A"}, {180, "∠ACD"}, {432, "2組の角がそれぞれ等しい"}};
constexpr kit::AnswerBoxes kBlanks{kAnswers};

// O and A on the grid, C on the circle at 80°, then B and D on the horizontal secant through A
// and E on the secant AC (the circle stays in X1, Y1, RR1 between the two cuts).
void setUpSecants(Program& P) {
  auto& v = P.v;
  kit::GridPoint(P, O, 7, 4);
  kit::GridPoint(P, A, 1, 1);
  v.R1 = v.SIZE * 4;
  kit::PointAtDegrees(P, C, O, 4 * v.SIZE, 80);
  v.X1 = v.X_a(O); v.Y1 = v.Y_a(O); v.RR1 = 4 * v.SIZE;
  v.A = 0; v.B = 1; v.C = -v.Y_a(A);
  geometry::CircleLineIntersection(P);
  v.X_a(D) = v.X4; v.Y_a(D) = v.Y4;
  v.X_a(B) = v.X3; v.Y_a(B) = v.Y3;
  v.A = (v.Y_a(C) - v.Y_a(A)) / (v.X_a(C) - v.X_a(A));
  v.B = -1;
  v.C = v.Y_a(A) - v.A * v.X_a(A);
  geometry::CircleLineIntersection(P);
  v.X_a(E) = v.X3; v.Y_a(E) = v.Y3;
}

constexpr kit::Letter kLetters[] = {{"A", A, -14, 10}, {"B", B, -14, 10}, {"C", C, -14, -50}, {"D", D, -14, 10},
                                    {"E", E, -36, -40}};

void buildFigure(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 36, .heading = "<問5 解答>"});
  kit::FigureFrame(P, 640, 100, 12, 9, 50);
  setUpSecants(P);
  kit::DrawCircle(P, O, v.R1, 0);
  kit::DrawPath(P, {A, C, D}, 0, kit::PathKind::Closed);
  kit::DrawPath(P, {A, E, B}, 0, kit::PathKind::Closed);
  kit::DrawLetters(P, kLetters);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 60, "△ABEと△ACDで", 0);
  kit::DrawPath(P, {A, E, B}, 0, kit::PathKind::Filled, 13);
  kit::DrawCircle(P, O, v.R1, 0);
  kit::DrawSegment(P, C, D, 0);
  shell::WaitAnyKey(P);
  P.pf.setDrawWidth(8);
  kit::DrawPath(P, {A, C, D}, 9, kit::PathKind::Closed);
  P.pf.setDrawWidth(5);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, FilledAngle(A, D, E, 50, 7));
  shell::WaitAnyKey(P);
  kit::DrawArcBetweenArms(P, O, E, D, v.R1, 3);  // arc DE, the one with neither B nor C on it
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, FilledAngle(B, E, A, 80, 3));
  kit::DrawAngleMark(P, FilledAngle(C, E, D, 80, 3));
  shell::WaitAnyKey(P);
}

using kit::AtMargin, kit::BoxOnLine, kit::EmptyLinePiece, kit::SameLine;

// The proof under the figure's first line, its blanks empty.
constexpr kit::TextPiece kProof[] = {
    EmptyLinePiece(60),
    BoxOnLine(1, 10, "ア"),
    SameLine(4, 0, "は共通　…①"),
    AtMargin(60, 0, "等しい弧に対する円周角は等しいから"),
    AtMargin(60, 0, "∠ABE="),
    BoxOnLine(2, 10, "イ"),
    SameLine(4, 0, "…②"),
    AtMargin(60, 0, "①②より"),
    EmptyLinePiece(55),  // blank ウ begins its line
    BoxOnLine(3, 0, "ウ"),
    SameLine(4, 0, "から"),
    AtMargin(60, 0, "△ABE∽△ACD"),
};

}  // namespace

Screen Problem5Answer(Program& P) {
  buildFigure(P);
  kit::DrawTextPieces(P, kProof, kBlanks);
  kit::RevealAnswers(P, kBlanks);  // one key for each blank's answer
  shell::WaitAnyKey(P);
  kit::TextLineAt(P, 40, 590, "教科書P174 問6　をやろう。", 7);
  return {ConstructProveSubMenu};
}

}  // namespace osvatine
