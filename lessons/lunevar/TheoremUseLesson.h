// Menu item 3, the inscribed angle theorem put to use: goal, sub-menu, random practice in
// eight problem types, the worked answers of textbook problems 1 and 2, the right angle on a
// semicircle, and a random inscribed quadrilateral with its explanation.
#pragma once

#include "lunevar/Lunevar.h"

namespace lunevar {

Screen TheoremUseLessonStart(Program& P);
void TheoremUseGoalText(Program& P);
Screen TheoremUseSubMenu(Program& P);

Screen RandomAnglePractice(Program& P);
Screen TextbookProblemOneAnswers(Program& P);
Screen SemicircleAngle(Program& P);
Screen TextbookProblemTwoAnswers(Program& P);
Screen InscribedQuadrilateralPractice(Program& P);

// The size of a practice problem's angle: a whole number from 40 to 69.
float PracticeSize(Program& P);

}  // namespace lunevar
