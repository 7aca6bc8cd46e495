// What makes this program Osvatine: its title, point-table bound, line numbering and main menu.
#pragma once
#include <memory>

#include "shell/Program.h"

namespace osvatine {

shell::ProgramInfo Info();
// A run of this program on the given platform.
std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf);

}  // namespace osvatine
