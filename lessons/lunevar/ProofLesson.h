// Menu item 2, the proofs of the inscribed angle theorem: goal, sub-menu, and for each of the
// three cases (PB a diameter, O inside the angle, O outside it) the proof screen with empty
// answer boxes, the step figure and the answers.
#pragma once

#include <span>

#include "kit/Boxes.h"
#include "kit/TextPieces.h"
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

// A proof's text from its table; its boxes are 50 high, their places kept in T(n), F(n).
void DrawProofPieces(Program& P, std::span<const kit::TextPiece> pieces, std::span<const kit::Answer> answers);
// The answers screen of a case: a key before each answer, drawn on the box kept in T(n), F(n).
void RevealProofAnswers(Program& P, std::span<const kit::Answer> answers);

}  // namespace lunevar
