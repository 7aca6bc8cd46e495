// The palette and its contrast ratios (relative luminance as WCAG 2 defines it).
// Colours keep the families a classroom expects: blues, reds, greens, pale fills for boxes.
#include "platform/Palette.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct Rgb {
  uint8_t r, g, b;
};

// Dark fills (4, 10, 12) carry light text; pale fills (11, 13) carry dark text; 9 is the one
// text colour used on both dark fills and the white page, so it sits between the two.
constexpr Rgb kPalette[16] = {
    {0x00, 0x00, 0x00},  // 0 black: plain text and lines
    {0x1f, 0x3f, 0xbf},  // 1 blue
    {0xc0, 0x1c, 0x28},  // 2 red
    {0x6e, 0x1e, 0x78},  // 3 dark magenta: number boxes
    {0x06, 0x24, 0x0f},  // 4 deep green: key-wait box and banner
    {0x00, 0x5f, 0x6b},  // 5 teal: typed numbers and captions
    {0xb0, 0x7a, 0x00},  // 6 dark yellow
    {0x55, 0x55, 0x55},  // 7 dark grey
    {0x90, 0x90, 0x90},  // 8 grey
    {0x3a, 0x8c, 0xf0},  // 9 sky blue: text of the wait boxes
    {0x14, 0x24, 0x5c},  // 10 navy: main-menu panel
    {0xd2, 0xe8, 0xff},  // 11 pale blue: sea, number boxes
    {0x2e, 0x10, 0x3c},  // 12 deep purple: step box
    {0xd8, 0xf5, 0xdc},  // 13 pale green: title and answer boxes, land
    {0xf0, 0xc0, 0x10},  // 14 yellow
    {0xff, 0xff, 0xff},  // 15 white: the page
};

double channel(uint8_t v) {
  double c = v / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(int c) {
  const Rgb& p = kPalette[std::clamp(c, 0, 15)];
  return 0.2126 * channel(p.r) + 0.7152 * channel(p.g) + 0.0722 * channel(p.b);
}

}  // namespace

std::array<uint8_t, 3> paletteRgb(int colour) {
  const Rgb& p = kPalette[std::clamp(colour, 0, 15)];
  return {p.r, p.g, p.b};
}

double contrastRatio(int a, int b) {
  double la = luminance(a), lb = luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

}  // namespace platform
