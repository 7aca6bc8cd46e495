// Osvatine's main menu: the panel with its three items and the way to the chosen lesson.
#pragma once

#include "shell/Program.h"

namespace osvatine {

using shell::Program;
using shell::Screen;

Screen ApplicationsMainMenu(Program& P);

}  // namespace osvatine
