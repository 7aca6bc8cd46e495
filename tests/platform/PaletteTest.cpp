// Every text colour the lessons set on a fill must be legible there: the contrast ratio of
// each pair, 4.5:1 in prompt and answer boxes, 3:1 elsewhere.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/Palette.h"

namespace platform {
namespace {

struct Pair {
  int text, fill;
  double needed;
  const char* where;
};

constexpr Pair kPairs[] = {
    {15, 10, 3.0, "main-menu panel"},
    {13, 10, 3.0, "main-menu panel"},
    {9, 4, 4.5, "key-wait box and banner"},
    {9, 12, 4.5, "step box"},
    {5, 13, 4.5, "title, caption and answer boxes"},
    {0, 13, 4.5, "title, caption and answer boxes"},
    {13, 3, 4.5, "number boxes"},
    {5, 11, 4.5, "number boxes"},
    {0, 15, 3.0, "the page"},
    {3, 15, 3.0, "the page"},
    {5, 15, 3.0, "the page"},
    {7, 15, 3.0, "the page"},
    {9, 15, 3.0, "the page"},
    {0, 11, 3.0, "labels on the sea"},
    {0, 13, 3.0, "labels on the land"},
};

TEST(Palette, EveryTextIsLegibleOnItsFill) {
  for (const auto& p : kPairs)
    EXPECT_GE(contrastRatio(p.text, p.fill), p.needed) << p.text << " on " << p.fill << " (" << p.where << ")";
}

TEST(Palette, FixedColoursAndTheKnownException) {
  EXPECT_EQ(paletteRgb(15), (std::array<uint8_t, 3>{255, 255, 255}));
  EXPECT_EQ(paletteRgb(0), (std::array<uint8_t, 3>{0, 0, 0}));
  EXPECT_DOUBLE_EQ(contrastRatio(0, 15), 21.0);
  EXPECT_DOUBLE_EQ(contrastRatio(4, 9), contrastRatio(9, 4));
  // The error text is 13 on the page; 13 is also the pale fill that dark text sits on, so it
  // cannot be legible on white as well. Printed so the figure stays in sight.
  double error = contrastRatio(13, 15);
  std::printf("error text 13 on 15: %.2f:1\n", error);
  EXPECT_LT(error, 3.0);
}

}  // namespace
}  // namespace platform
