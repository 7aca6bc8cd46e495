// A proof's text from its table of pieces, and its answers from the case's answer table: the
// proof screen and the answers screen of a case share that one table and the boxes' places.
#include "kit/Boxes.h"
#include "kit/TextPieces.h"
#include "lunevar/ProofLesson.h"

namespace lunevar {

namespace {

constexpr float kBoxHeight = 50;

}  // namespace

void DrawProofPieces(Program& P, std::span<const kit::TextPiece> pieces, std::span<const kit::Answer> answers) {
  kit::DrawTextPieces(P, pieces, answers, kBoxHeight, P.v.T_a, P.v.F_a);
}

void RevealProofAnswers(Program& P, std::span<const kit::Answer> answers) {
  kit::RevealAnswers(P, answers, kBoxHeight, P.v.T_a, P.v.F_a);
}

}  // namespace lunevar
