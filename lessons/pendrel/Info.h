// What makes this program Pendrel: its title, point-table bound, line numbering and main menu.
#pragma once
#include <memory>

#include "pendrel/MainMenu.h"
#include "pendrel/Pendrel.h"

namespace pendrel {

inline shell::ProgramInfo Info() {
  return {.title = "Pendrel", .pointBound = 50, .lineOffset = 0, .mainMenu = {ProblemsMainMenu}};
}

// A run of this program on the given platform.
inline std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<PendrelProgram>(pf, Info());
}

}  // namespace pendrel
