// Cairo and Pango drawing of the page's operations, the palette, and the PNG writer.
// Text: the face names of the lessons map to installed fonts; a glyph's em is `size` page units,
// stretched h times across and v times down from its top-left corner.
#include "platform/Render.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace platform {

namespace {

struct Rgb { uint8_t r, g, b; };

// 15 is the page, 0 black. The others are chosen so every text colour of the lessons reads
// well on every fill it is used with (see the palette contrast test).
constexpr Rgb kPalette[16] = {
    {0x00, 0x00, 0x00},  // 0 black: plain text and lines
    {0x1f, 0x3f, 0xbf},  // 1 blue
    {0xc0, 0x1c, 0x28},  // 2 red
    {0x6e, 0x1e, 0x78},  // 3 dark magenta: number boxes
    {0x08, 0x2a, 0x12},  // 4 deep green: key-wait box and banner
    {0x00, 0x5f, 0x6b},  // 5 teal: typed numbers and captions
    {0xb0, 0x7a, 0x00},  // 6 dark yellow
    {0x55, 0x55, 0x55},  // 7 dark grey
    {0x90, 0x90, 0x90},  // 8 grey
    {0x4a, 0x96, 0xff},  // 9 light blue: text of the wait boxes
    {0x14, 0x24, 0x5c},  // 10 navy: main-menu panel
    {0xd2, 0xe8, 0xff},  // 11 pale blue: sea, number boxes
    {0x2e, 0x10, 0x3c},  // 12 deep purple: step box
    {0xd8, 0xf5, 0xdc},  // 13 pale green: title and answer boxes, land
    {0xf0, 0xc0, 0x10},  // 14 yellow
    {0xff, 0xff, 0xff},  // 15 white: the page
};

void setColour(cairo_t* cr, int c) {
  const Rgb& p = kPalette[std::clamp(c, 0, 15)];
  cairo_set_source_rgb(cr, p.r / 255.0, p.g / 255.0, p.b / 255.0);
}

double channel(uint8_t v) {
  double c = v / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(int c) {
  const Rgb& p = kPalette[std::clamp(c, 0, 15)];
  return 0.2126 * channel(p.r) + 0.7152 * channel(p.g) + 0.0722 * channel(p.b);
}

// How one face name of the lessons is drawn: family, and the glyph box within the em.
struct FaceMap {
  const char* family;
  double scaleX, scaleY;  // glyph stretch within the em box
  double dx, dy;          // offset of the glyph box, in ems
  double pen = 0;         // outline drawn round the glyph, in ems of its height on the page
};

// Calibrated once on the installed fonts so that each glyph of the renderers' rows fits the
// pen advance its row gives it, and letters of every face stand on the gothic baseline. The
// serif faces are narrowed (their magnifications were made for narrower letters) and given a
// pen round their outline so that they carry the weight of the bold gothic beside them.
FaceMap faceFor(const std::string& face) {
  if (face == "Times New Roman") return {"Liberation Serif", 0.58, 1, 0, 0.199, 0.025};
  if (face == "MT Extra") return {"Liberation Serif", 0.52, 1.08, 0.05, -0.1555, 0.045};
  return {"IPAGothic", 0.95, 1, -0.033, 0};
}

// Width of the outline pen of a text operation, in page units.
double penWidth(const FaceMap& f, const Op& op) { return f.pen * op.font.size * op.v; }

std::string shownText(const Op& op) {
  if (op.font.face == "MT Extra") {
    std::string out;
    for (char c : op.text) {
      if (c == 'l') out += "\u2113"; else out += c;
    }
    return out;
  }
  return op.text;
}

PangoLayout* layoutFor(cairo_t* cr, const Op& op) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  FaceMap f = faceFor(op.font.face);
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, f.family);
  pango_font_description_set_absolute_size(d, op.font.size * PANGO_SCALE);
  pango_font_description_set_weight(d, op.font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, op.font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout, d);
  pango_font_description_free(d);
  std::string t = shownText(op);
  pango_layout_set_text(layout, t.c_str(), static_cast<int>(t.size()));
  return layout;
}

void setupFontOptions(cairo_t* cr) {
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, fo);
  cairo_font_options_destroy(fo);
}

void drawText(cairo_t* cr, const Op& op) {
  FaceMap f = faceFor(op.font.face);
  cairo_save(cr);
  cairo_translate(cr, op.x1 + f.dx * op.font.size * op.h, op.y1 + f.dy * op.font.size * op.v);
  cairo_scale(cr, op.h * f.scaleX, op.v * f.scaleY);
  PangoLayout* layout = layoutFor(cr, op);
  setColour(cr, op.colour);
  if (f.pen > 0) pango_cairo_layout_path(cr, layout);
  else pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
  cairo_restore(cr);
  if (f.pen <= 0) return;
  // The outline outlives the restore; its pen is in page units, as thick across as down.
  cairo_save(cr);
  setColour(cr, op.colour);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_fill_preserve(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, penWidth(f, op));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void pathCircle(cairo_t* cr, const Op& op, bool sector) {
  const double turn = 2 * M_PI;
  if (op.start == 0 && op.end == 0) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, op.x1, op.y1, op.r, 0, turn);
    cairo_close_path(cr);
    return;
  }
  double a0 = op.start * turn, a1 = op.end * turn;
  if (a1 <= a0) a1 += turn;
  if (sector) {
    cairo_move_to(cr, op.x1, op.y1);
    cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
    cairo_close_path(cr);
  } else {
    cairo_new_sub_path(cr);
    cairo_arc(cr, op.x1, op.y1, op.r, a0, a1);
  }
}

void stroke(cairo_t* cr, const Op& op) {
  cairo_set_line_width(cr, std::max(1, op.width));
  setColour(cr, op.colour);
  cairo_stroke(cr);
}

void fillThenStroke(cairo_t* cr, const Op& op) {
  if (op.fill != kNoFill) {
    setColour(cr, op.fill);
    cairo_fill_preserve(cr);
  }
  stroke(cr, op);
}

void drawOp(cairo_t* cr, const Op& op) {
  switch (op.kind) {
    case OpKind::Line:
      cairo_move_to(cr, op.x1, op.y1);
      cairo_line_to(cr, op.x2, op.y2);
      stroke(cr, op);
      break;
    case OpKind::Box: {
      double x = std::min(op.x1, op.x2), y = std::min(op.y1, op.y2);
      cairo_rectangle(cr, x, y, std::fabs(op.x2 - op.x1), std::fabs(op.y2 - op.y1));
      fillThenStroke(cr, op);
      break;
    }
    case OpKind::Circle:
      pathCircle(cr, op, op.fill != kNoFill);
      fillThenStroke(cr, op);
      break;
    case OpKind::Polyline: {
      if (op.points.empty()) break;
      cairo_move_to(cr, op.points[0].first, op.points[0].second);
      for (size_t i = 1; i < op.points.size(); ++i) cairo_line_to(cr, op.points[i].first, op.points[i].second);
      bool closed = op.points.size() > 2 && op.points.front() == op.points.back();
      if (closed || op.fill != kNoFill) cairo_close_path(cr);
      fillThenStroke(cr, op);
      break;
    }
    case OpKind::Text:
      drawText(cr, op);
      break;
    case OpKind::Cls:
      cairo_save(cr);
      setColour(cr, kPageColour);
      cairo_paint(cr);
      cairo_restore(cr);
      break;
  }
}

cairo_t* scratchContext() {
  static cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
  static cairo_t* cr = [] {
    cairo_t* c = cairo_create(s);
    setupFontOptions(c);
    return c;
  }();
  return cr;
}

std::mutex& fontMutex() {
  static std::mutex m;
  return m;
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

void renderOps(cairo_t* cr, const std::vector<Op>& ops, size_t from) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kPageWidth, kPageHeight);
  cairo_clip(cr);
  setupFontOptions(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  for (size_t i = from; i < ops.size(); ++i) drawOp(cr, ops[i]);
  cairo_restore(cr);
}

void renderPage(cairo_t* cr, const Page& page) {
  cairo_save(cr);
  setColour(cr, kPageColour);
  cairo_rectangle(cr, 0, 0, kPageWidth, kPageHeight);
  cairo_fill(cr);
  cairo_restore(cr);
  renderOps(cr, page.ops(), 0);
}

bool writePng(const Page& page, const std::string& path, int widthPx, int heightPx) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, widthPx, heightPx);
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, widthPx / static_cast<double>(kPageWidth), heightPx / static_cast<double>(kPageHeight));
  renderPage(cr, page);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

std::array<float, 4> textInk(const Op& op) {
  std::lock_guard<std::mutex> lock(fontMutex());
  cairo_t* cr = scratchContext();
  PangoLayout* layout = layoutFor(cr, op);
  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  g_object_unref(layout);
  FaceMap f = faceFor(op.font.face);
  double sx = op.h * f.scaleX, sy = op.v * f.scaleY;
  double ox = op.x1 + f.dx * op.font.size * op.h, oy = op.y1 + f.dy * op.font.size * op.v;
  double x1 = ink.x / double(PANGO_SCALE), y1 = ink.y / double(PANGO_SCALE);
  double x2 = x1 + ink.width / double(PANGO_SCALE), y2 = y1 + ink.height / double(PANGO_SCALE);
  double p = ink.width > 0 ? penWidth(f, op) / 2 : 0;
  return {float(ox + x1 * sx - p), float(oy + y1 * sy - p), float(ox + x2 * sx + p), float(oy + y2 * sy + p)};
}

std::array<float, 4> textBox(const Op& op) {
  std::lock_guard<std::mutex> lock(fontMutex());
  cairo_t* cr = scratchContext();
  PangoLayout* layout = layoutFor(cr, op);
  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  g_object_unref(layout);
  FaceMap f = faceFor(op.font.face);
  double sx = op.h * f.scaleX, sy = op.v * f.scaleY;
  double ox = op.x1 + f.dx * op.font.size * op.h, oy = op.y1 + f.dy * op.font.size * op.v;
  // The union of ink and logical boxes, with a margin for antialiasing and synthesised bold.
  double x1 = std::min(ink.x, logical.x) / double(PANGO_SCALE);
  double y1 = std::min(ink.y, logical.y) / double(PANGO_SCALE);
  double x2 = std::max(ink.x + ink.width, logical.x + logical.width) / double(PANGO_SCALE);
  double y2 = std::max(ink.y + ink.height, logical.y + logical.height) / double(PANGO_SCALE);
  double m = 2 + penWidth(f, op) / 2;
  return {float(ox + x1 * sx - m), float(oy + y1 * sy - m), float(ox + x2 * sx + m), float(oy + y2 * sy + m)};
}

}  // namespace platform
