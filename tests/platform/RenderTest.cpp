// What the renderer puts on pixels: sectors and arcs on the right side, dots of the pen's size,
// clipping to the page, stretched and bold text, the script letter, and texts that show nothing.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>

#include "platform/Platform.h"
#include "platform/Render.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

// The page rendered at one pixel per unit, read back pixel by pixel.
class Rendered : public ::testing::Test {
 protected:
  ~Rendered() override {
    if (surface) cairo_surface_destroy(surface);
  }
  void render() {
    if (surface) cairo_surface_destroy(surface);
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900);
    cairo_t* cr = cairo_create(surface);
    renderPage(cr, pf.page());
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  }
  std::array<uint8_t, 3> at(int x, int y) const {
    const uint8_t* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    const uint8_t* p = row + 4 * x;
    return {p[2], p[1], p[0]};
  }
  // Near the colour: edges are antialiased.
  bool is(int x, int y, int colour) const {
    auto p = at(x, y), c = paletteRgb(colour);
    for (int i = 0; i < 3; ++i)
      if (std::abs(p[i] - c[i]) > 48) return false;
    return true;
  }
  int count(int x1, int y1, int x2, int y2, int colour) const {
    int n = 0;
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x) n += is(x, y, colour);
    return n;
  }
  ScriptDevice device;
  Platform pf{device};
  cairo_surface_t* surface = nullptr;
};

TEST_F(Rendered, SectorAndArcLieClockwiseFromPlusX) {
  pf.setDrawWidth(2);
  pf.circle(200, 200, 60, 2, 0, 0.25f, 14);          // a quarter from +x down to +y
  pf.circle(500, 200, 60, 0, 0.8056f, 0.5f);         // 250 degrees across 1 to 0
  pf.circle(800, 200, 60, 1, 0, 0, kFillLineColour);  // a disc in the line colour
  render();
  EXPECT_TRUE(is(230, 230, 14)) << "inside the sector";
  EXPECT_TRUE(is(170, 170, 15)) << "the opposite quarter stays empty";
  EXPECT_TRUE(is(200 + 30, 200, 2)) << "the radius at the start is outlined";
  EXPECT_TRUE(is(560, 200, 0)) << "the arc passes +x";
  EXPECT_TRUE(is(440, 200, 0)) << "and ends at the half turn";
  EXPECT_TRUE(is(500, 260, 0)) << "through the bottom";
  EXPECT_TRUE(is(500, 140, 15)) << "the top is not part of it";
  EXPECT_TRUE(is(800, 200, 1) && is(830, 230, 1));
}

TEST_F(Rendered, ASmallDotShowsAsADotOfThePensSize) {
  pf.setDrawWidth(8);
  pf.circle(100, 400, 0.5f, 2);
  pf.line(200, 400, 200, 400, 2);
  pf.box(300, 400, 300, 400, 2);
  render();
  for (int x : {100, 200, 300}) {
    EXPECT_TRUE(is(x, 400, 2)) << x;
    EXPECT_TRUE(is(x + 2, 400, 2) && is(x, 402, 2) && is(x - 3, 400, 2)) << x;
    EXPECT_TRUE(is(x + 7, 400, 15)) << x;
  }
}

TEST_F(Rendered, OnlyTheVisiblePageShows) {
  pf.fillBox(1400, 860, 1700, 1200, 2, 2);
  pf.fillBox(-50, -50, 20, 20, 1, 1);
  render();
  EXPECT_TRUE(is(1439, 899, 2));
  EXPECT_TRUE(is(0, 0, 1));
  EXPECT_TRUE(is(1399 - 2, 859 - 2, 15));
}

TEST(Faces, EveryFaceNameHasItsInstalledFont) {
  struct Case {
    const char* face;
    bool bold, italic;
    const char* family;
  } cases[] = {
      {"ｺﾞｼｯｸ", false, false, "IPAGothic"},           {"ゴシック", true, false, "IPAGothic"},
      {"Times New Roman", false, true, "Liberation Serif"}, {"Times New Roman", true, true, "Liberation Serif"},
      {"MT Extra", false, false, "Liberation Serif"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fontFamilyFor(Font{c.face, 16, c.bold, c.italic}), c.family) << c.face;
}

TEST_F(Rendered, TextStretchesAcrossAndDown) {
  Op t;
  t.kind = OpKind::Text;
  t.text = "あ";
  t.x1 = 100;
  t.y1 = 100;
  auto plain = textInk(t);
  t.h = 3;
  auto wide = textInk(t);
  t.h = 1;
  t.v = 2;
  auto tall = textInk(t);
  float w = plain[2] - plain[0], h = plain[3] - plain[1];
  EXPECT_NEAR(wide[2] - wide[0], 3 * w, 0.5);
  EXPECT_NEAR(wide[3] - wide[1], h, 0.5);
  EXPECT_NEAR(tall[2] - tall[0], w, 0.5);
  EXPECT_NEAR(tall[3] - tall[1], 2 * h, 0.5);
  EXPECT_GE(plain[0], 100);
  EXPECT_GE(plain[1], 100);
  EXPECT_LT(plain[3], 100 + 16 + 1) << "a 16-unit glyph within its em";
}

TEST_F(Rendered, BoldIsSynthesisedWhereTheFaceHasNone) {
  pf.setFontName("ゴシック");
  pf.text("番号を入力して下さい。", 100, 100, 1, 1, 0);
  pf.setFontBold(true);
  pf.text("番号を入力して下さい。", 100, 200, 1, 1, 0);
  render();
  int regular = 320 * 40 - count(80, 90, 400, 130, 15);
  int bold = 320 * 40 - count(80, 190, 400, 230, 15);
  EXPECT_GT(regular, 0);
  EXPECT_GT(bold, regular * 5 / 4);
}

TEST(Faces, TheScriptFaceDrawsItsLAsTheScriptLetter) {
  auto ink = [](const char* face, const char* text) {
    Op t;
    t.kind = OpKind::Text;
    t.text = text;
    t.font.face = face;
    t.font.size = 32;
    return textInk(t);
  };
  EXPECT_EQ(ink("MT Extra", "l"), ink("MT Extra", "\u2113"));
  EXPECT_NE(ink("Times New Roman", "l"), ink("Times New Roman", "\u2113")) << "only that face substitutes";
}

TEST_F(Rendered, TextThatCannotShowDrawsNothing) {
  pf.text("x", 100, 100, 0, 1, 0);
  pf.text("x", 200, 100, 1, -1, 0);
  pf.setFontSize(0);
  pf.text("x", 300, 100, 1, 1, 0);
  pf.setFontSize(16);
  pf.text("ok", 400, 100, 1, 1, 0);  // the context is still sound afterwards
  render();
  EXPECT_EQ(count(0, 80, 380, 130, 15), 380 * 50);
  EXPECT_LT(count(400, 100, 420, 117, 15), 20 * 17);
}

}  // namespace
}  // namespace platform
