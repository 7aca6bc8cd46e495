// What makes this program Pendrel: its title, point-table bound, line numbering and main menu.
#pragma once
#include <memory>

#include "shell/Program.h"

namespace pendrel {

shell::ProgramInfo Info();
// A run of this program on the given platform.
std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf);

}  // namespace pendrel
