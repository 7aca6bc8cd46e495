// The second problem set (P178-P179): its choice line at the foot of the page and its nine
// worked answers. Every page of an answer is a screen; the last page of each returns to the
// choice line, with the finished page still showing.
#pragma once

#include "shell/Program.h"

namespace pendrel {

using shell::Program;
using shell::Screen;

Screen MasterLearningSubMenu(Program& P);

Screen MasterAnswer1(Program& P);
Screen MasterAnswer2(Program& P);       // page 2(1)
Screen MasterAnswer2Page2(Program& P);  // page 2(2)
Screen MasterAnswer2Page3(Program& P);  // page 2(3)
Screen MasterAnswer3(Program& P);       // page 3(1)
Screen MasterAnswer3Page2(Program& P);  // page 3(2)
Screen MasterAnswer3Page3(Program& P);  // page 3(3)
Screen MasterAnswer4(Program& P);
Screen MasterAnswer5(Program& P);
Screen MasterAnswer6(Program& P);
Screen MasterAnswer7(Program& P);
Screen MasterAnswer8(Program& P);
Screen MasterAnswer9(Program& P);       // page 9(1)
Screen MasterAnswer9Page2(Program& P);  // page 9(2)

// The figure both pages of answer 9 stand on: the circle, the chords AC and BD meeting at P
// and the lines AD and BC meeting at Q, with their letters. Sets the grid, PI, R1, HHA to HHD,
// points 0 to 6 and the draw width 5.
void DrawChordsFigure(Program& P);

}  // namespace pendrel
