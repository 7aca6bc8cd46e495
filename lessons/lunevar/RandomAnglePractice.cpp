// Choice 1 of item 3: random practice on the inscribed angle theorem. Eight problem types in a
// fixed cycle, each with a new random size: the figure with the inscribed angle at P, the
// central angle at O (and the equal angle at Q), the question, and the answer after a key.
// The loop runs within this screen until 1 is typed at the next-step prompt.
#include <span>
#include <string>

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

// What a mark's label shows: the unknown x, the inscribed angle T$(1), the central angle
// T$(2), or nothing.
enum class Shown { X, Inscribed, Central, Nothing };

struct ProblemType {
  bool obtuse;         // the inscribed angle raised by 90, the central angle reflex
  float pTurn, pPast;  // P at T(11) + pTurn·T(2) + pPast degrees
  bool hasQ;           // Q a further T(2)/2 on from B, with the equal angle at Q
  Shown atP, atO, atQ, answer;
};

constexpr ProblemType kTypes[] = {
    {false, 0.5f, 180, false, Shown::X, Shown::Central, Shown::Nothing, Shown::Inscribed},          // 1
    {false, 0.5f, 180, false, Shown::Inscribed, Shown::X, Shown::Nothing, Shown::Central},          // 2
    {false, -0.5f, 0, true, Shown::X, Shown::Nothing, Shown::Inscribed, Shown::Inscribed},          // 3
    {false, -0.5f, 0, true, Shown::Inscribed, Shown::Nothing, Shown::X, Shown::Inscribed},          // 4
    {false, -0.25f, 0, false, Shown::X, Shown::Central, Shown::Nothing, Shown::Inscribed},          // 5
    {false, -0.25f, 0, false, Shown::Inscribed, Shown::X, Shown::Nothing, Shown::Central},          // 6
    {true, 0.5f, -180, false, Shown::X, Shown::Central, Shown::Nothing, Shown::Inscribed},          // 7
    {true, 0.5f, -180, false, Shown::Inscribed, Shown::X, Shown::Nothing, Shown::Central},          // 8
};

std::string textOf(Program& P, Shown s) {
  switch (s) {
    case Shown::X: return "x";
    case Shown::Inscribed: return P.v.T_s_a(1);
    case Shown::Central: return P.v.T_s_a(2);
    case Shown::Nothing: break;
  }
  return "";
}

void drawFigure(Program& P, const ProblemType& t) {
  auto& v = P.v;
  // Q, where the type has it, last.
  const DirectedPoint points[] = {{A, &Lunevar::DHRA, v.T_a(11)}, {B, &Lunevar::DHRB, v.T_a(12)},
                                  {Pt, &Lunevar::DHRP, v.T_a(13)}, {Q, &Lunevar::DHRK, v.T_a(14)}};
  InscribedAngleFigure(P, 432, 130, O, std::span(points).first(t.hasQ ? 4 : 3));
  // The labels of the sectors take the colour the letters left (0).
  kit::DrawAngleMark(P, {.vertex = Pt, .arm1 = B, .arm2 = A, .length = 50, .count = 0, .side = -1, .line = 0,
                         .fill = 5, .label = v.F_s_a(1).c_str(), .labelDy = 10});
  kit::LabelVertex(P, Pt, B, A, "P", 0, 8, 1);
  kit::DrawAngleMark(P, {.vertex = O, .arm1 = A, .arm2 = B, .length = 50, .count = 0, .side = 1, .line = 0,
                         .fill = 3, .label = v.F_s_a(2).c_str()});
  kit::LabelVertex(P, O, A, Pt, "O", 0, 8, -1);
  if (t.hasQ) {
    kit::DrawSegment(P, A, Q, 0);
    kit::DrawSegment(P, B, Q, 0);
    kit::DrawAngleMark(P, {.vertex = Q, .arm1 = B, .arm2 = A, .length = 50, .count = 0, .side = -1, .line = 0,
                           .fill = 7, .label = v.F_s_a(3).c_str(), .labelDy = 10});
    kit::LabelVertex(P, Q, B, A, "Q", 0, 8, 1);
  }
}

void playProblem(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  kit::ClearWholePage(P);
  if (L.NO == 9) L.NO = 1;
  const ProblemType& t = kTypes[static_cast<int>(L.NO) - 1];

  v.T_a(1) = PracticeSize(P);
  if (t.obtuse) v.T_a(1) = v.T_a(1) + 90;
  v.T_a(2) = 2 * v.T_a(1);
  v.T_a(11) = 200;
  v.T_a(12) = v.T_a(11) + v.T_a(2);
  v.T_a(13) = v.T_a(11) + t.pTurn * v.T_a(2) + t.pPast;
  if (t.hasQ) v.T_a(14) = v.T_a(12) + v.T_a(2) / 2;

  shell::ArraysToText(P);
  for (int i = 1; i <= 2; ++i) v.T_s_a(i) = v.T_s_a(i) + "°";
  // Every label of the type is set; F$() holds what ArraysToText made of F() until then.
  v.F_s_a(1) = textOf(P, t.atP);
  v.F_s_a(2) = textOf(P, t.atO);
  if (t.hasQ) v.F_s_a(3) = textOf(P, t.atQ);
  v.F_s_a(4) = textOf(P, t.answer);

  drawFigure(P, t);

  kit::TextCursorAt(P, 72, 60);
  kit::TextOnNewLine(P, v.XI1, 0, "Q　∠xの大きさを求めなさい。", 0);
  kit::TextOnNewLine(P, v.XI1, 90, "∠x=", 0);
  const kit::Answer answer[] = {{180, v.F_s_a(4).c_str()}};
  const kit::AnswerBoxes box{answer, 60, &shell::Vars::R_a, &shell::Vars::H_a};
  kit::EmptyAnswerBox(P, box, 1, 10);
  kit::RevealAnswers(P, box);

  shell::AskNextStep(P);
  L.NO = L.NO + 1;
}

}  // namespace

Screen RandomAnglePractice(Program& P) {
  auto& v = P.v;
  kit::ClearWholePage(P);
  v.AINP = 3;
  Lv(P).NO = 1;
  while (v.AINP != 1) playProblem(P);
  shell::WaitAnyKey(P);
  kit::TextAt(P, 44, 590, "教科書P164 問1　をしなさい。", 7);
  return {TheoremUseSubMenu};
}

}  // namespace lunevar
