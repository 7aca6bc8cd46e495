// The text of a proof from its table of pieces, and its answers from the case's answer table:
// the proof screen and the answers screen of a case share that one table.
#include "kit/Boxes.h"
#include "kit/Text.h"
#include "lunevar/ProofLesson.h"

namespace lunevar {

namespace {

constexpr float kBoxHeight = 50;

}  // namespace

void DrawProofPieces(Program& P, std::span<const ProofPiece> pieces, std::span<const kit::Answer> answers) {
  auto& v = P.v;
  for (const ProofPiece& p : pieces) {
    switch (p.kind) {
      case ProofPiece::NewLine: kit::TextOnNewLine(P, p.at, p.step, p.text, p.colour); break;
      case ProofPiece::OnLine: kit::TextOnLine(P, p.at, p.text, p.colour); break;
      case ProofPiece::Box: kit::NumberedAnswerBox(P, answers, p.box, p.at, kBoxHeight, v.T_a, v.F_a); break;
    }
  }
}

void RevealProofAnswers(Program& P, std::span<const kit::Answer> answers) {
  kit::RevealAnswers(P, answers, kBoxHeight, P.v.T_a, P.v.F_a);
}

}  // namespace lunevar
