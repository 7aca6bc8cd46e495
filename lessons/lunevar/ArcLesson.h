// Menu item 4, inscribed angles and arcs: goal, sub-menu, the equal-arcs task, the statements
// on arcs with their converses, textbook problems 3 and 4, and the angle-bisector explanation.
#pragma once

#include "lunevar/Lunevar.h"

namespace lunevar {

Screen ArcLessonStart(Program& P);
void ArcGoalText(Program& P);
Screen ArcSubMenu(Program& P);

Screen ArcIntroTask(Program& P);
Screen ArcTheorem(Program& P);
Screen TextbookProblemThreeAnswer(Program& P);
Screen TextbookProblemFourAnswer(Program& P);
Screen BisectorArcExplanation(Program& P);

}  // namespace lunevar
