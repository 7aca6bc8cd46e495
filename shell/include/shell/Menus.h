// Turning the number typed at a menu into the menu's choice, one rule for every menu of the
// three programs: only a whole number within the menu's items is a choice.
#pragma once

#include "shell/Program.h"

namespace shell {

// The choice AINP names, when it is a whole number from `first` to `last` ("4/2" is 2,
// "8.0" is 8); 0 when it names none, and the menu then asks again.
int MenuChoice(const Program& P, int first, int last);

}  // namespace shell
