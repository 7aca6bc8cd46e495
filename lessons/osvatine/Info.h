// What makes this program Osvatine: its title, point-table bound, line numbering and main menu.
#pragma once
#include <memory>

#include "osvatine/MainMenu.h"
#include "osvatine/Osvatine.h"

namespace osvatine {

inline shell::ProgramInfo Info() {
  return {.title = "Osvatine", .pointBound = 50, .lineOffset = -182, .mainMenu = {ApplicationsMainMenu}};
}

// A run of this program on the given platform.
inline std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<OsvatineProgram>(pf, Info());
}

}  // namespace osvatine
