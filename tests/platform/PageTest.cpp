// The retained page stays as short as what can still be seen: a filled box hides what lies
// wholly under it, so screens that erase and redraw again and again do not grow the page.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "platform/Platform.h"
#include "platform/Render.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

// The erase strip at the foot of a screen, and Lunevar's erase of its interactive figure.
void EraseFoot(Platform& p) {
  p.setDrawWidth(3);
  p.fillBox(0, 657, 992, 720, 15, 15);
}
void EraseFigure(Platform& p) {
  p.setDrawWidth(5);
  p.fillBox(544, 90, 1364, 640, 15, 15);
}

// A figure's label: one large bold letter, as the figures draw their points' names.
void Label(Platform& p, const std::string& s, float x, float y) {
  p.setFontName("ゴシック");
  p.setFontBold(true);
  p.text(s, x, y, 3, 3, 5);
}

// A label placed so that the top-left (or bottom-right) corner of its ink lies at (x, y).
void LabelWithInkAt(Platform& p, const std::string& s, float x, float y, bool bottomRight = false) {
  ScriptDevice d;
  Platform probe(d);
  Label(probe, s, 0, 0);
  const Op& o = probe.page().ops().back();
  if (bottomRight) Label(p, s, x - o.ix2, y - o.iy2);
  else Label(p, s, x - o.ix1, y - o.iy1);
}

// Whether two lists of operations give the same pixels round one operation's area, on a page
// drawn at the given scale.
bool SamePictureAround(const Op& at, const std::vector<Op>& a, const std::vector<Op>& b, double scale) {
  double x0 = std::floor((at.bx1 - 4) * scale), y0 = std::floor((at.by1 - 4) * scale);
  int w = static_cast<int>(std::ceil((at.bx2 + 4) * scale) - x0);
  int h = static_cast<int>(std::ceil((at.by2 + 4) * scale) - y0);
  auto draw = [&](const std::vector<Op>& ops) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_translate(cr, -x0, -y0);
    cairo_scale(cr, scale, scale);
    renderOps(cr, ops);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    return s;
  };
  cairo_surface_t* sa = draw(a);
  cairo_surface_t* sb = draw(b);
  bool same = std::memcmp(cairo_image_surface_get_data(sa), cairo_image_surface_get_data(sb),
                          static_cast<size_t>(cairo_image_surface_get_stride(sa)) * h) == 0;
  cairo_surface_destroy(sa);
  cairo_surface_destroy(sb);
  return same;
}

struct HideCase {
  const char* name;
  std::function<void(Platform&)> earlier;
  bool hidden;
  std::function<void(Platform&)> erase = EraseFoot;
};

TEST(Page, AFilledBoxHidesOnlyWhatLiesWhollyUnderIt) {
  const HideCase cases[] = {
      {"the same erase box again", [](Platform& p) { p.fillBox(0, 657, 992, 720, 15, 15); }, true},
      {"the key-wait box under its strip",
       [](Platform& p) { p.fillBox(96, 657, 400, 693, 13, 4); }, true},
      {"a line inside", [](Platform& p) { p.line(10, 670, 300, 700, 0); }, true},
      {"a wider pen along the edge", [](Platform& p) { p.setDrawWidth(8); p.line(0, 657, 400, 657, 0); }, false},
      {"a line leaving the box", [](Platform& p) { p.line(10, 670, 1200, 700, 0); }, false},
      {"text inside", [](Platform& p) { p.text("何", 16, 666, 1, 1, 0); }, true},
      {"a tall glyph whose ink starts below the top edge",
       [](Platform& p) { p.text("P", 600, 657.5f, 3, 3, 5); }, true},
      {"text across the lower edge", [](Platform& p) { p.text("何", 16, 712, 1, 1, 0); }, false},
      {"a disc inside", [](Platform& p) { p.circle(200, 680, 4, 5, 0, 0, kFillLineColour); }, true},
      {"a polyline inside", [](Platform& p) { p.polyline({{10, 670}, {50, 700}, {90, 670}}, 0); }, true},
      // A label on the figure's edge: the erase's outline (5 wide) reaches 2.5 beyond its box,
      // and covers glyphs whose ink lies within that reach, less the antialiased rims.
      {"P's label at the circle's left edge, its ink 1.2 left of the box",
       [](Platform& p) { Label(p, "P", 541.18396f, 324.08237f); }, true, EraseFigure},
      {"that label 1.5 further left, its ink past the outline",
       [](Platform& p) { Label(p, "P", 539.68396f, 324.08237f); }, false, EraseFigure},
      {"a label just above the top edge, within the reach",
       [](Platform& p) { LabelWithInkAt(p, "B", 700, 88.5f); }, true, EraseFigure},
      {"a label over the bottom edge, within the reach",
       [](Platform& p) { LabelWithInkAt(p, "A", 700, 641.4f, true); }, true, EraseFigure},
      {"a label over the bottom edge, past the reach",
       [](Platform& p) { LabelWithInkAt(p, "A", 700, 642.5f, true); }, false, EraseFigure},
      {"a label by the corner, within the reach along each side but not round the corner",
       [](Platform& p) { LabelWithInkAt(p, "A", 544 - 1.4f, 90 - 1.4f); }, false, EraseFigure},
      {"a label by the corner, within the reach round it",
       [](Platform& p) { LabelWithInkAt(p, "A", 544 - 0.9f, 90 - 0.9f); }, true, EraseFigure},
  };
  for (const auto& c : cases) {
    ScriptDevice device;
    Platform pf(device);
    std::vector<Op> drawn;
    pf.page().onOp = [&](const Op& o) { drawn.push_back(o); };
    pf.setDrawWidth(3);
    c.earlier(pf);
    c.erase(pf);
    EXPECT_EQ(pf.page().ops().size(), c.hidden ? 1u : 2u) << c.name;
    // A glyph dropped for its ink could not be seen, not at the page's own size nor in a
    // smaller or a larger window.
    if (!c.hidden || drawn.front().kind != OpKind::Text) continue;
    for (double scale : {1.0, 0.8888889, 1.5})
      EXPECT_TRUE(SamePictureAround(drawn.front(), drawn, pf.page().ops(), scale)) << c.name << " at " << scale;
  }
}

// A glyph partly outside every erase stays, but drawing the same screen again, with the same
// operations, replaces it rather than adding copies.
TEST(Page, TheSameScreenDrawnAgainAddsNothing) {
  ScriptDevice device;
  Platform pf(device);
  auto screen = [&] {
    EraseFigure(pf);
    pf.setDrawWidth(3);
    pf.circle(784, 350, 208, 0);
    Label(pf, "P", 530, 324);  // over the erase's left edge
    pf.line(560, 300, 900, 200, 4);
  };
  screen();
  size_t once = pf.page().ops().size();
  for (int i = 0; i < 100; ++i) screen();
  EXPECT_EQ(pf.page().ops().size(), once);
}

TEST(Page, RepeatedDrawAndEraseKeepsThePageShort) {
  ScriptDevice device;
  Platform pf(device);
  pf.setDrawWidth(3);
  pf.text("見出し", 264, 30, 2, 3, 0);
  for (int i = 0; i < 1000; ++i) {
    pf.fillBox(16, 657, 496, 693, 13, 4);
    pf.text("何かキーを押して下さい。", 48, 666, 1, 1, 9);
    pf.fillBox(0, 657, 992, 720, 15, 15);
    pf.circle(784, 350, 208, 0);
    pf.line(784, 350, 900, 200 + i % 100, 0);
    pf.fillBox(0, 90, 1440, 640, 15, 15);
  }
  EXPECT_LE(pf.page().ops().size(), 4u);
}

}  // namespace
}  // namespace platform
