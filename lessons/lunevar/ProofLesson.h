// Menu item 2, the proofs of the inscribed angle theorem: goal, sub-menu, and for each of the
// three cases (PB a diameter, O inside the angle, O outside it) the proof screen with empty
// answer boxes, the step figure and the answers.
#pragma once

#include "lunevar/Lunevar.h"

namespace lunevar {

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

}  // namespace lunevar
