// The window's picture of the page: scaled to fit with its aspect kept, redrawn only where the
// page changed, and not at all when a blink left the page as it was.
#include <gtest/gtest.h>

#include "platform/PageView.h"
#include "platform/Palette.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

class View : public ::testing::Test {
 protected:
  std::array<uint8_t, 3> at(int x, int y) {
    cairo_surface_t* img = view.image();
    const uint8_t* p = cairo_image_surface_get_data(img) + y * cairo_image_surface_get_stride(img) + 4 * x;
    return {p[2], p[1], p[0]};
  }
  ScriptDevice device;
  Platform pf{device};
  PageView view;
};

TEST_F(View, FitsThePageWithItsAspectKept) {
  pf.fillBox(0, 0, 1440, 900, 2, 2);
  auto r = view.update(pf.page(), 1440, 1800);  // a tall window: bands above and below
  ASSERT_TRUE(r);
  EXPECT_EQ(r->w, 1440);
  EXPECT_EQ(r->h, 1800);
  EXPECT_NE(at(720, 100), paletteRgb(2)) << "above the page";
  EXPECT_EQ(at(720, 900), paletteRgb(2));
  EXPECT_EQ(at(720, 1340), paletteRgb(2));
  EXPECT_NE(at(720, 1700), paletteRgb(2)) << "below the page";
}

TEST_F(View, RedrawsOnlyWhatChanged) {
  ASSERT_TRUE(view.update(pf.page(), 720, 450));
  EXPECT_FALSE(view.update(pf.page(), 720, 450)) << "nothing new";
  pf.setDrawWidth(4);
  pf.line(100, 100, 200, 200, 0);
  auto r = view.update(pf.page(), 720, 450);
  ASSERT_TRUE(r);
  EXPECT_LE(r->x, 50);
  EXPECT_GE(r->x + r->w, 100);
  EXPECT_LT(r->w, 80) << "half scale: a 100-unit line is about 50 pixels";
  EXPECT_LT(at(75, 75)[0], 60);
  auto resized = view.update(pf.page(), 1440, 900);
  ASSERT_TRUE(resized);
  EXPECT_EQ(resized->w, 1440) << "a new size draws everything";
  EXPECT_LT(at(150, 150)[0], 60);
  pf.cls();
  ASSERT_TRUE(view.update(pf.page(), 1440, 900));
  EXPECT_EQ(at(150, 150), paletteRgb(15)) << "a cleared page is drawn afresh";
}

TEST_F(View, ABlinkThatEndsAsItBeganChangesNothing) {
  pf.setDrawWidth(2);
  pf.circle(1056, 660, 6, 5, 0, 0, kFillLineColour);
  ASSERT_TRUE(view.update(pf.page(), 1440, 900));
  for (int i = 0; i < 3; ++i) {
    pf.circle(1056, 660, 6, 15, 0, 0, kFillLineColour);
    pf.circle(1056, 660, 6, 5, 0, 0, kFillLineColour);
    EXPECT_FALSE(view.update(pf.page(), 1440, 900));
  }
  pf.circle(1056, 660, 6, 15, 0, 0, kFillLineColour);
  EXPECT_TRUE(view.update(pf.page(), 1440, 900));
  EXPECT_EQ(at(1056, 660), paletteRgb(15));
}

TEST_F(View, ADiscDrawnAgainOverWhatCameAfterItIsShown) {
  // The same disc as before, but now over the line drawn after it: not the picture shown.
  pf.setDrawWidth(2);
  pf.circle(720, 450, 20, 5, 0, 0, kFillLineColour);
  pf.setDrawWidth(4);
  pf.line(680, 450, 760, 450, 0);
  ASSERT_TRUE(view.update(pf.page(), 1440, 900));
  EXPECT_LT(at(720, 450)[0], 60) << "the line over the disc";
  pf.setDrawWidth(2);
  pf.circle(720, 450, 20, 15, 0, 0, kFillLineColour);
  pf.circle(720, 450, 20, 5, 0, 0, kFillLineColour);
  ASSERT_TRUE(view.update(pf.page(), 1440, 900));
  EXPECT_EQ(at(720, 450), paletteRgb(5)) << "the disc over the line";
}

TEST_F(View, AnEraseLeavesNoRimAtAnyScale) {
  // The key-wait box, shown, then its strip erased: at a scale where the edges fall between
  // pixels, painting over would leave a faint outline.
  pf.setDrawWidth(3);
  ASSERT_TRUE(view.update(pf.page(), 1000, 625));
  pf.fillBox(96, 657, 400, 693, 13, 4);
  ASSERT_TRUE(view.update(pf.page(), 1000, 625));
  pf.fillBox(0, 657, 400, 693, 15, 15);
  ASSERT_TRUE(view.update(pf.page(), 1000, 625));
  for (int y = 450; y < 485; ++y)
    for (int x = 60; x < 285; ++x) ASSERT_EQ(at(x, y), paletteRgb(15)) << x << "," << y;
}

TEST_F(View, PixelsHeldElsewhereAreDrawnInFullWhenTheyAreNotTheOnesDrawnLast) {
  // As the window's own surface: a new one (after a resize) starts with nothing of the page.
  const int w = 720, h = 450, stride = w * 4;
  std::vector<uint8_t> first(stride * h, 0), second(stride * h, 0);
  auto rgb = [&](const std::vector<uint8_t>& px, int x, int y) {
    const uint8_t* p = px.data() + y * stride + 4 * x;
    return std::array<uint8_t, 3>{p[2], p[1], p[0]};
  };
  pf.fillBox(0, 0, 200, 200, 2, 2);
  ASSERT_TRUE(view.updateInto(pf.page(), first.data(), w, h, stride));
  EXPECT_EQ(rgb(first, 50, 50), paletteRgb(2));
  EXPECT_FALSE(view.updateInto(pf.page(), first.data(), w, h, stride)) << "nothing new";
  auto r = view.updateInto(pf.page(), second.data(), w, h, stride);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->w, w) << "other pixels: everything";
  EXPECT_EQ(rgb(second, 50, 50), paletteRgb(2));
  EXPECT_EQ(rgb(second, 600, 300), paletteRgb(15));
  second.assign(second.size(), 0);
  view.forget();
  ASSERT_TRUE(view.updateInto(pf.page(), second.data(), w, h, stride));
  EXPECT_EQ(rgb(second, 600, 300), paletteRgb(15)) << "forgotten: drawn again in full";
}

TEST_F(View, NoPixelsNoWork) {
  EXPECT_FALSE(view.update(pf.page(), 0, 0));
  EXPECT_TRUE(view.update(pf.page(), 1, 1));
}

}  // namespace
}  // namespace platform
