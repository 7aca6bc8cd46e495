// Menu item 1, inscribed and central angles: goal, introductory figure, sub-menu, the
// interactive figure whose points move with the arrow keys, and the theorem's summary.
#pragma once

#include "lunevar/Lunevar.h"

namespace lunevar {

Screen InscribedAngleLessonStart(Program& P);
void InscribedAngleGoalText(Program& P);
void InscribedAngleIntro(Program& P);
Screen InscribedAngleSubMenu(Program& P);
void AngleFigureTitle(Program& P);
Screen AngleDisplayOptions(Program& P);
Screen DiameterDisplayOption(Program& P);

// The interactive figure.
struct Lunevar;
// Where P stands against A and B, decided on the positions DHB and DHP.
enum class PositionCase { PBeyondB, PBetweenAAndB, POnAOrB };
PositionCase CaseOfPositions(const Lunevar& L);
void AngleFigureSetUp(Program& P);
// The inscribed and central angles on arc AB, HH(5) and HH(3), from the positions of B and P.
void WorkOutAngles(Program& P);
// The title box, the set-up and the figure area erased: the explorer as choice 1 opens it.
void OpenAngleFigure(Program& P);
Screen OperateAngleFigure(Program& P);
// When another screen holds the page, the explorer's page as choice 1 shows it, with B and P
// where they were last drawn in this visit of item 1; nothing when the explorer is there.
void ShowAngleFigureAsLeft(Program& P);
void EraseAngleFigure(Program& P);
Screen AngleFigureKeyLoop(Program& P);
Screen RedrawAngleFigure(Program& P);

Screen SeveralInscribedAngles(Program& P);
Screen TheoremSummary(Program& P);

}  // namespace lunevar
