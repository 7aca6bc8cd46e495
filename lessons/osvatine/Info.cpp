// What makes this program Osvatine: its title, the bound of its point tables, its line numbering.
#include "osvatine/Info.h"

namespace osvatine {

shell::ProgramInfo Info() {
  shell::ProgramInfo i;
  i.title = "Osvatine";
  i.pointBound = 50;
  i.lineOffset = -182;
  i.mainMenu = {shell::PlaceholderMenu};
  return i;
}

std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<shell::Program>(pf, Info());
}

}  // namespace osvatine
