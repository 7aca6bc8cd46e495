// What makes this program Pendrel: its title, the bound of its point tables, its line numbering.
#include "pendrel/Info.h"

namespace pendrel {

shell::ProgramInfo Info() {
  shell::ProgramInfo i;
  i.title = "Pendrel";
  i.pointBound = 50;
  i.lineOffset = 0;
  i.mainMenu = {shell::PlaceholderMenu};
  return i;
}

std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<shell::Program>(pf, Info());
}

}  // namespace pendrel
