// Lunevar's main menu: the panel with its eight items and the way to the chosen lesson.
#pragma once

#include "lunevar/Lunevar.h"

namespace lunevar {

Screen AnglesMainMenu(Program& P);

}  // namespace lunevar
