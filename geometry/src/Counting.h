// The lessons' counted loop over a float index (the first pass runs before the bound is
// tested, the bound is read once, the index is left one past the last pass), and the test
// for the coordinate plane's fifth lines.
#pragma once

#include <cmath>

namespace geometry {

// Runs body with index = from, from + 1, ... while index <= to (the first pass always).
// An index too large to grow by 1 in a float ends the loop instead of running for ever.
template <class Body>
void CountUp(float& index, float from, float to, Body body) {
  index = from;
  do {
    body();
    float next = index + 1;
    if (next == index) return;
    index = next;
  } while (index <= to);
}

// Whether a loop index, made whole by rounding to the nearest, is a multiple of 5 (0 and
// negative multiples included): the plane's bold, numbered lines.
inline bool OnFifthLine(float index) { return std::fmod(std::nearbyint(index), 5.0f) == 0; }

}  // namespace geometry
