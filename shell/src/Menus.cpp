// Turning the number typed at a menu into the menu's choice: the value itself, whole and in
// range, never the leading digits of the text.
#include "shell/Menus.h"

#include <cmath>

namespace shell {

int MenuChoice(const Program& P, int first, int last) {
  float value = P.v.AINP;
  if (!(value >= static_cast<float>(first) && value <= static_cast<float>(last))) return 0;
  if (std::floor(value) != value) return 0;
  return static_cast<int>(value);
}

}  // namespace shell
