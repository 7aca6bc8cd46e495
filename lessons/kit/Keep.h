// An optional input of a kit call: given, the call writes it to its shared variable; not given,
// the variable keeps whatever an earlier step left in it (some strokes read such leftovers).
#pragma once

#include <optional>

namespace kit {

using Keep = std::optional<float>;

inline void SetIfGiven(float& variable, Keep value) {
  if (value) variable = *value;
}

}  // namespace kit
