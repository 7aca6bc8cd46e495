// The 16 colours of the lessons (15 the page, 0 black) and how legible one is on another,
// so that tests can hold every text colour to its fill.
#pragma once
#include <array>
#include <cstdint>

namespace platform {

std::array<uint8_t, 3> paletteRgb(int colour);
// WCAG contrast ratio of two palette colours (1 to 21).
double contrastRatio(int a, int b);

}  // namespace platform
