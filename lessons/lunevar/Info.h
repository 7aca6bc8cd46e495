// What makes this program Lunevar: its title, point-table bound, line numbering and main menu.
#pragma once
#include <memory>

#include "lunevar/Lunevar.h"
#include "lunevar/MainMenu.h"

namespace lunevar {

inline shell::ProgramInfo Info() {
  return {.title = "Lunevar", .pointBound = 40, .lineOffset = 738, .mainMenu = {AnglesMainMenu}};
}

// A run of this program on the given platform.
inline std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<LunevarProgram>(pf, Info());
}

}  // namespace lunevar
