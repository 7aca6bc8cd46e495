// What makes this program Lunevar: its title, the bound of its point tables, its line numbering.
#include "lunevar/Info.h"

namespace lunevar {

shell::ProgramInfo Info() {
  shell::ProgramInfo i;
  i.title = "Lunevar";
  i.pointBound = 40;
  i.lineOffset = 738;
  i.mainMenu = {shell::PlaceholderMenu};
  return i;
}

std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<shell::Program>(pf, Info());
}

}  // namespace lunevar
