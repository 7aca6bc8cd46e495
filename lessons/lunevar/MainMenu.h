// Lunevar's main menu: the panel with its eight items and the way to the chosen lesson.
#pragma once

#include "shell/Program.h"

namespace lunevar {

using shell::Program;
using shell::Screen;

Screen AnglesMainMenu(Program& P);

}  // namespace lunevar
