// What makes this program Lunevar: its title, the bound of its point tables, its line numbering.
#include "lunevar/Info.h"

#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"

namespace lunevar {

shell::ProgramInfo Info() {
  shell::ProgramInfo i;
  i.title = "Lunevar";
  i.pointBound = 40;
  i.lineOffset = 738;
  i.mainMenu = {AnglesMainMenu};
  return i;
}

std::unique_ptr<shell::Program> MakeProgram(platform::Platform& pf) {
  return std::make_unique<LunevarProgram>(pf, Info());
}

}  // namespace lunevar
