// Choice 5 of item 3: a random quadrilateral APBQ inscribed in the circle. From the central
// angle x over arc AQB and the reflex angle y, the pupil finds ∠Q and ∠P+∠Q, the answers shown
// one per key. The loop runs within this screen until 1 is typed at the next-step prompt; then
// the reason why ∠P+∠Q is 180° is asked and explained under the last problem.
#include "kit/Answers.h"
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/CircleFigure.h"
#include "lunevar/Lunevar.h"
#include "lunevar/TheoremUseLesson.h"
#include "shell/Input.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// Point table: O 11, A 12, B 13, P 15, Q 16.
constexpr int O = 11, A = 12, B = 13, Pt = 15, Q = 16;

constexpr kit::TextPiece kQuestion[] = {
    kit::NewLine(30, 0, 3, "問1　∠P+∠Q の大きさは？"),
    kit::NewLine(66, 70, 0, "∠x="),    kit::BoxOnLine(1),
    kit::NewLine(66, 70, 0, "∠y="),    kit::BoxOnLine(2),
    kit::NewLine(66, 70, 0, "∠Q="),    kit::BoxOnLine(3),
    kit::NewLine(66, 70, 0, "∠P+∠Q="), kit::BoxOnLine(4),
};

constexpr kit::TextPiece kReason[] = {
    kit::NewLine(30, 70, 3, "問2　∠P+∠Q=180% "),
    kit::NewLine(66, 50, 0, "となる理由を説明しよう。"),
    kit::kKeyWait,
    kit::NewLine(66, 50, 3, "弧APBに対する中心角と"),
    kit::NewLine(66, 50, 3, "弧AQBに対する中心角の和が360%だから"),
};

void drawFigure(Program& P) {
  auto& v = P.v;
  const DirectedPoint points[] = {{A, &Lunevar::DHRA, v.T_a(11)}, {B, &Lunevar::DHRB, v.T_a(12)},
                                  {Pt, &Lunevar::DHRP, v.T_a(13)}, {Q, &Lunevar::DHRK, v.T_a(14)}};
  InscribedAngleFigure(P, 640, 50, O, points);
  kit::DrawAngleMark(P, {.vertex = Pt, .arm1 = B, .arm2 = A, .length = 50, .count = 0, .side = -1,
                         .textColour = 5, .line = 0, .fill = 7, .label = v.T_s_a(1).c_str(), .labelDy = 10});
  kit::LabelVertex(P, Pt, B, A, "P", 0, 8, 1);
  kit::DrawAngleMark(P, {.vertex = O, .arm1 = A, .arm2 = B, .length = 50, .count = 0, .side = 1,
                         .textColour = 5, .line = 0, .fill = 3, .label = "x"});
  kit::DrawAngleMark(P, {.vertex = O, .arm1 = A, .arm2 = B, .length = 50, .count = 0, .side = -1,
                         .textColour = 5, .line = 0, .fill = 9, .label = "y", .labelDy = -10});
  kit::LabelVertex(P, O, A, Pt, "O", 0, 8, -1);
  kit::DrawSegment(P, A, Q, 0);
  kit::DrawSegment(P, B, Q, 0);
  kit::DrawAngleMark(P, {.vertex = Q, .arm1 = B, .arm2 = A, .length = 50, .count = 0, .side = 1,
                         .textColour = 5, .line = 0, .fill = 7, .label = ""});
  kit::LabelVertex(P, Q, B, A, "Q", 0, 8, -1);
}

void playProblem(Program& P) {
  auto& v = P.v;
  kit::ClearWholePage(P);
  v.T_a(1) = PracticeSize(P);
  v.T_a(2) = 2 * v.T_a(1);
  v.T_a(3) = 360 - v.T_a(2);
  v.T_a(4) = v.T_a(3) / 2;
  v.T_a(11) = 200;
  v.T_a(12) = v.T_a(11) + v.T_a(2);
  v.T_a(13) = v.T_a(11) + 180 + v.T_a(2) / 2;
  v.T_a(14) = v.T_a(11) + v.T_a(2) / 2;
  shell::ArraysToText(P);
  for (int i = 1; i <= 4; ++i) v.T_s_a(i) = v.T_s_a(i) + "°";

  drawFigure(P);

  v.XI0 = 30;
  kit::TextCursorAt(P, 66, 30);
  const kit::Answer answers[] = {
      {180, v.T_s_a(2).c_str()}, {180, v.T_s_a(3).c_str()}, {180, v.T_s_a(4).c_str()}, {180, "180°"}};
  const kit::AnswerBoxes boxes{answers, 60, &shell::Vars::R_a, &shell::Vars::H_a};
  kit::DrawTextPieces(P, kQuestion, boxes);
  kit::RevealAnswers(P, boxes);
  shell::AskNextStep(P);
}

}  // namespace

Screen InscribedQuadrilateralPractice(Program& P) {
  auto& v = P.v;
  kit::ClearWholePage(P);
  v.AINP = 3;
  while (v.AINP != 1) playProblem(P);
  kit::DrawTextPieces(P, kReason);
  return {TheoremUseSubMenu};
}

}  // namespace lunevar
