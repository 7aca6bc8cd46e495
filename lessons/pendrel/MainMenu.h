// Pendrel's main menu: the panel with the two problem sets and the end of the program.
#pragma once

#include "shell/Program.h"

namespace pendrel {

using shell::Program;
using shell::Screen;

Screen ProblemsMainMenu(Program& P);

}  // namespace pendrel
