// Cairo and Pango drawing of the page's operations, and the PNG writer.
// Text: the face names of the lessons map to installed fonts; a glyph's em is `size` page units,
// stretched h times across and v times down from its top-left corner.
#include "platform/Render.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "Cp932.h"

namespace platform {

namespace {

void setColour(cairo_t* cr, int c) {
  auto p = paletteRgb(c);
  cairo_set_source_rgb(cr, p[0] / 255.0, p[1] / 255.0, p[2] / 255.0);
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
  std::string t = cp932::withoutLoneBytes(op.text);
  if (!g_utf8_validate(t.data(), static_cast<gssize>(t.size()), nullptr)) {
    gchar* valid = g_utf8_make_valid(t.data(), static_cast<gssize>(t.size()));
    t = valid;
    g_free(valid);
  }
  if (op.font.face == "MT Extra") {
    std::string out;
    for (char c : t) {
      if (c == 'l') out += "\u2113"; else out += c;
    }
    return out;
  }
  return t;
}

void setupFontOptions(cairo_font_options_t* fo) {
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
}

// Text is laid out once in unscaled page units, whatever the target: so positions do not
// depend on the window size, and a stretch (h, v) is a plain transformation of the result.
PangoContext* textContext() {
  static PangoContext* ctx = [] {
    PangoContext* c = pango_font_map_create_context(pango_cairo_font_map_get_default());
    cairo_font_options_t* fo = cairo_font_options_create();
    setupFontOptions(fo);
    pango_cairo_context_set_font_options(c, fo);
    cairo_font_options_destroy(fo);
    return c;
  }();
  return ctx;
}

std::mutex& fontMutex() {
  static std::mutex m;
  return m;
}

PangoLayout* layoutFor(const Op& op) {
  PangoLayout* layout = pango_layout_new(textContext());
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

// A text laid out, with its ink and layout rectangles: kept for every text and font met, for
// measuring and for every redraw (the table is emptied should it ever grow large). The caller
// holds the font lock.
struct LaidOut {
  PangoLayout* layout;
  PangoRectangle ink, logical;
};

const LaidOut& laidOut(const Op& op) {
  struct Key {
    std::string text, face;
    float size;
    bool bold, italic;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const {
      size_t h = std::hash<std::string>()(k.text) * 31 + std::hash<std::string>()(k.face);
      return (h * 31 + std::hash<float>()(k.size)) * 4 + k.bold * 2 + k.italic;
    }
  };
  static std::unordered_map<Key, LaidOut, KeyHash> known;
  Key key{op.text, op.font.face, op.font.size, op.font.bold, op.font.italic};
  auto it = known.find(key);
  if (it != known.end()) return it->second;
  if (known.size() >= 4096) {
    for (auto& entry : known) g_object_unref(entry.second.layout);
    known.clear();
  }
  LaidOut l{layoutFor(op), {}, {}};
  pango_layout_get_extents(l.layout, &l.ink, &l.logical);
  return known.emplace(std::move(key), l).first->second;
}

// Whether a text can show at all: a stretch or size of 0 or less draws nothing.
bool drawable(const Op& op) { return op.h > 0 && op.v > 0 && op.font.size > 0 && !op.text.empty(); }

void drawText(cairo_t* cr, const Op& op) {
  if (!drawable(op)) return;
  std::lock_guard<std::mutex> lock(fontMutex());
  FaceMap f = faceFor(op.font.face);
  cairo_save(cr);
  cairo_translate(cr, op.x1 + f.dx * op.font.size * op.h, op.y1 + f.dy * op.font.size * op.v);
  cairo_scale(cr, op.h * f.scaleX, op.v * f.scaleY);
  PangoLayout* layout = laidOut(op).layout;
  setColour(cr, op.colour);
  if (f.pen > 0) pango_cairo_layout_path(cr, layout);
  else pango_cairo_show_layout(cr, layout);
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

bool isDot(const Op& op) { return op.start == 0 && op.end == 0 && op.r <= std::max(1, op.width) / 2.0; }

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
      if (isDot(op)) {
        // A pen wider than the whole circle: stroking it would leave a hole in the middle.
        cairo_arc(cr, op.x1, op.y1, op.r + std::max(1, op.width) / 2.0, 0, 2 * M_PI);
        setColour(cr, op.colour);
        cairo_fill(cr);
        break;
      }
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

// A text's ink and layout rectangles in Pango units, before its stretch and position: they
// depend only on the text and its font, and the lessons draw the same few glyphs again and
// again, so each is laid out once.
std::pair<PangoRectangle, PangoRectangle> layoutExtents(const Op& op) {
  std::lock_guard<std::mutex> lock(fontMutex());
  const LaidOut& l = laidOut(op);
  return {l.ink, l.logical};
}

// The ink box of a text (with its outline pen), and the union of ink and layout boxes with a
// margin for antialiasing, synthesised bold and the pen, in page units, from one layout.
TextBoxes textExtents(const Op& op) {
  if (!drawable(op)) return {{op.x1, op.y1, op.x1, op.y1}, {op.x1, op.y1, op.x1, op.y1}};
  auto [ink, logical] = layoutExtents(op);
  FaceMap f = faceFor(op.font.face);
  double sx = op.h * f.scaleX, sy = op.v * f.scaleY;
  double ox = op.x1 + f.dx * op.font.size * op.h, oy = op.y1 + f.dy * op.font.size * op.v;
  double pen = penWidth(f, op) / 2;
  // A Pango rectangle on the page, grown by m.
  auto onPage = [&](int x, int y, int w, int h, double m) -> std::array<float, 4> {
    double x1 = x / double(PANGO_SCALE), y1 = y / double(PANGO_SCALE);
    double x2 = x1 + w / double(PANGO_SCALE), y2 = y1 + h / double(PANGO_SCALE);
    return {float(ox + x1 * sx - m), float(oy + y1 * sy - m), float(ox + x2 * sx + m), float(oy + y2 * sy + m)};
  };
  TextBoxes b;
  b.ink = onPage(ink.x, ink.y, ink.width, ink.height, ink.width > 0 ? pen : 0);
  int x1 = std::min(ink.x, logical.x), y1 = std::min(ink.y, logical.y);
  int x2 = std::max(ink.x + ink.width, logical.x + logical.width);
  int y2 = std::max(ink.y + ink.height, logical.y + logical.height);
  b.box = onPage(x1, y1, x2 - x1, y2 - y1, 2 + pen);
  return b;
}

}  // namespace

namespace {

void beginOps(cairo_t* cr) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kPageWidth, kPageHeight);
  cairo_clip(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
}

}  // namespace

void renderOps(cairo_t* cr, const std::vector<Op>& ops, size_t from) {
  beginOps(cr);
  for (size_t i = from; i < ops.size(); ++i) drawOp(cr, ops[i]);
  cairo_restore(cr);
}

void renderRegion(cairo_t* cr, const Page& page, float x1, float y1, float x2, float y2) {
  beginOps(cr);
  cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
  cairo_clip(cr);
  setColour(cr, kPageColour);
  cairo_paint(cr);
  for (const Op& o : page.ops())
    if (o.bx2 >= x1 && o.bx1 <= x2 && o.by2 >= y1 && o.by1 <= y2) drawOp(cr, o);
  cairo_restore(cr);
}

void renderPage(cairo_t* cr, const Page& page) { renderRegion(cr, page, 0, 0, kPageWidth, kPageHeight); }

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

TextBoxes textBoxes(const Op& op) { return textExtents(op); }

std::array<float, 4> textInk(const Op& op) { return textExtents(op).ink; }

std::array<float, 4> textBox(const Op& op) { return textExtents(op).box; }

void loadFonts() {
  for (const char* face : {"ｺﾞｼｯｸ", "Times New Roman", "MT Extra"})
    for (bool bold : {false, true}) {
      Op op;
      op.kind = OpKind::Text;
      op.text = "あA1";
      op.font.face = face;
      op.font.bold = bold;
      textBoxes(op);
    }
}

std::string fontFamilyFor(const Font& font) {
  Op op;
  op.font = font;
  op.text = "x";
  std::lock_guard<std::mutex> lock(fontMutex());
  PangoLayout* layout = layoutFor(op);
  PangoFont* f = pango_context_load_font(textContext(), pango_layout_get_font_description(layout));
  std::string family;
  if (f) {
    PangoFontDescription* d = pango_font_describe(f);
    if (const char* name = pango_font_description_get_family(d)) family = name;
    pango_font_description_free(d);
    g_object_unref(f);
  }
  g_object_unref(layout);
  return family;
}

}  // namespace platform
