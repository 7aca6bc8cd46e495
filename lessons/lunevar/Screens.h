// Lunevar's screens (each names the screen to go to next) and the routines they share.
// The main menu and item 1: goal, introductory figure, sub-menu and the interactive figure.
#pragma once

#include "shell/Program.h"

namespace lunevar {

using shell::Program;
using shell::Screen;

Screen AnglesMainMenu(Program& P);
// The whole page, and what lies below it where texts are measured, in the page colour.
void ClearWholePage(Program& P);

// Item 1: inscribed and central angles.
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
Screen OperateAngleFigure(Program& P);
void EraseAngleFigure(Program& P);
Screen AngleFigureKeyLoop(Program& P);
Screen RedrawAngleFigure(Program& P);

Screen SeveralInscribedAngles(Program& P);
Screen TheoremSummary(Program& P);

}  // namespace lunevar
