// Lettered answer blanks (see AnswerBlanks.h).
#include "kit/AnswerBlanks.h"

namespace kit {

namespace {
constexpr float kBlankHeight = 50;
}  // namespace

void AnswerBlank(Program& P, std::span<const Answer> answers, int k, float gap, const std::string& letter) {
  Pen at = AnswerBoxOnLine(P, gap, answers[k - 1].width, kBlankHeight, letter);
  P.v.T_a(k) = at.x;
  P.v.F_a(k) = at.y;
}

void FillAnswerBlank(Program& P, std::span<const Answer> answers, int k) {
  const Answer& a = answers[k - 1];
  RedrawAnswerBox(P, P.v.T_a(k), P.v.F_a(k), a.width, kBlankHeight, a.text);
}

}  // namespace kit
