// Menu item 2, the proofs of the inscribed angle theorem: goal, sub-menu, and for each of the
// three cases (PB a diameter, O inside the angle, O outside it) the proof screen with empty
// answer boxes, the step figure and the answers.
#pragma once

#include <span>

#include "kit/Boxes.h"
#include "shell/Program.h"

namespace lunevar {

using shell::Program;
using shell::Screen;

Screen ProofLessonStart(Program& P);
void ProofGoalText(Program& P);
Screen ProofSubMenu(Program& P);

Screen DiameterCaseProof(Program& P);
Screen DiameterCaseFigure(Program& P);
Screen DiameterCaseAnswers(Program& P);
Screen InsideCaseProof(Program& P);
Screen InsideCaseFigure(Program& P);
Screen InsideCaseAnswers(Program& P);
Screen OutsideCaseProof(Program& P);
Screen OutsideCaseFigure(Program& P);
Screen OutsideCaseAnswers(Program& P);

// Which proof stands on the page (Lunevar::proofOnPage).
enum ProofCase { NoProof = 0, DiameterCase = 1, InsideCase = 2, OutsideCase = 3 };

// One piece of a proof's text, a row of its table: a new line at x, `step` below the line
// before; a piece on the line, `gap` after the last one; or the case's answer box n, 10 after it.
struct ProofPiece {
  enum Kind { NewLine, OnLine, Box } kind;
  float at;      // NewLine: x; OnLine: gap
  float step;    // NewLine only
  float colour;  // text pieces
  const char* text;
  int box;       // Box only
};
constexpr ProofPiece Line(float x, float step, float colour, const char* text) {
  return {ProofPiece::NewLine, x, step, colour, text, 0};
}
constexpr ProofPiece Then(float gap, float colour, const char* text) {
  return {ProofPiece::OnLine, gap, 0, colour, text, 0};
}
constexpr ProofPiece AnswerBox(int n) { return {ProofPiece::Box, 10, 0, 0, nullptr, n}; }

// The pieces in turn at the text cursor; the boxes are 50 high, their places kept in T(n), F(n).
void DrawProofPieces(Program& P, std::span<const ProofPiece> pieces, std::span<const kit::Answer> answers);
// The answers screen of a case: a key before each answer, drawn on the box kept in T(n), F(n).
void RevealProofAnswers(Program& P, std::span<const kit::Answer> answers);

}  // namespace lunevar
