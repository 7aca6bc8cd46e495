// The lessons' counted loop (from the platform, where the figure marks use it too), and the
// test for the coordinate plane's fifth lines.
#pragma once

#include <cmath>

#include "platform/CountedLoop.h"

namespace geometry {

using platform::CountUp;

// Whether a loop index, made whole by rounding to the nearest, is a multiple of 5 (0 and
// negative multiples included): the plane's bold, numbered lines.
inline bool OnFifthLine(float index) { return std::fmod(std::nearbyint(index), 5.0f) == 0; }

}  // namespace geometry
