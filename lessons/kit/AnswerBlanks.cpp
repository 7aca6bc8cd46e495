// Lettered answer blanks (see AnswerBlanks.h).
#include "kit/AnswerBlanks.h"

#include "kit/Boxes.h"

namespace kit {

namespace {
constexpr float kBlankHeight = 50;
}  // namespace

void AnswerBlank(Program& P, int k, float gap, float width, const std::string& letter) {
  Pen at = AnswerBoxOnLine(P, gap, width, kBlankHeight, letter);
  P.v.T_a(k) = at.x;
  P.v.F_a(k) = at.y;
}

void FillAnswerBlank(Program& P, int k, float width, const std::string& answer) {
  RedrawAnswerBox(P, P.v.T_a(k), P.v.F_a(k), width, kBlankHeight, answer);
}

}  // namespace kit
