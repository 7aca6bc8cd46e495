// The first problem set (P176-P177): its choice line at the foot of the page and its five
// worked answers, each ending back at the choice line with the finished answer on the page.
#pragma once

#include "shell/Program.h"

namespace pendrel {

using shell::Program;
using shell::Screen;

Screen ConfirmLearningSubMenu(Program& P);
Screen ConfirmAnswer1(Program& P);
Screen ConfirmAnswer2(Program& P);
Screen ConfirmAnswer3(Program& P);
Screen ConfirmAnswer4(Program& P);
Screen ConfirmAnswer5(Program& P);

}  // namespace pendrel
