// Keeping the window's image of the page current: the whole page after a resize or a clear,
// otherwise only the pixels the new operations reach, and nothing when the page looks as it did.
#include "platform/PageView.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Render.h"

namespace platform {

namespace {

// Letterbox around the page, so the page's own edge stays visible.
constexpr double kSurround[3] = {0.55, 0.57, 0.6};

struct Hash {
  uint64_t h = 1469598103934665603ULL;
  void bytes(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ULL;
  }
  template <class T>
  void add(const T& v) { bytes(&v, sizeof v); }
};

// What the page shows, as one number: equal when the operations are the same.
uint64_t contentHash(const Page& page) {
  Hash h;
  for (const Op& o : page.ops()) {
    float f[] = {o.x1, o.y1, o.x2, o.y2, o.r, o.start, o.end, o.h, o.v, o.font.size};
    h.add(o.kind);
    h.bytes(f, sizeof f);
    int n[] = {o.colour, o.fill, o.width, o.font.bold, o.font.italic};
    h.bytes(n, sizeof n);
    for (auto [x, y] : o.points) { h.add(x); h.add(y); }
    h.bytes(o.text.data(), o.text.size());
    h.add(o.text.size());
    h.bytes(o.font.face.data(), o.font.face.size());
    h.add(o.font.face.size());
  }
  return h.h;
}

}  // namespace

PageView::~PageView() {
  if (image_) cairo_surface_destroy(image_);
}

std::optional<PixelRect> PageView::update(Page& page, int w, int h) {
  if (w <= 0 || h <= 0) return std::nullopt;
  bool full = !image_ || w != w_ || h != h_;
  if (full) {
    if (image_) cairo_surface_destroy(image_);
    image_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    w_ = w;
    h_ = h;
    scale_ = std::min(w / double(kPageWidth), h / double(kPageHeight));
    ox_ = (w - kPageWidth * scale_) / 2;
    oy_ = (h - kPageHeight * scale_) / 2;
  } else if (page.version() == shownVersion_) {
    return std::nullopt;
  }
  shownVersion_ = page.version();
  uint64_t hash = contentHash(page);
  if (!full && hash == shownHash_) {
    page.markShown();
    return std::nullopt;
  }
  shownHash_ = hash;
  full = full || page.pruned();

  PixelRect dirty{0, 0, w, h};
  if (!full) {
    float x1 = kPageWidth, y1 = kPageHeight, x2 = 0, y2 = 0;
    for (size_t i = page.firstNew(); i < page.ops().size(); ++i) {
      const Op& o = page.ops()[i];
      x1 = std::min(x1, o.bx1); y1 = std::min(y1, o.by1);
      x2 = std::max(x2, o.bx2); y2 = std::max(y2, o.by2);
    }
    // Pen and antialiasing may reach a pixel past the box.
    int px1 = std::clamp(static_cast<int>(std::floor(ox_ + std::max(0.0f, x1) * scale_)) - 2, 0, w);
    int py1 = std::clamp(static_cast<int>(std::floor(oy_ + std::max(0.0f, y1) * scale_)) - 2, 0, h);
    int px2 = std::clamp(static_cast<int>(std::ceil(ox_ + std::min(kPageWidth, x2) * scale_)) + 2, 0, w);
    int py2 = std::clamp(static_cast<int>(std::ceil(oy_ + std::min(kPageHeight, y2) * scale_)) + 2, 0, h);
    dirty = {px1, py1, std::max(0, px2 - px1), std::max(0, py2 - py1)};
  }

  cairo_t* cr = cairo_create(image_);
  if (full) {
    cairo_set_source_rgb(cr, kSurround[0], kSurround[1], kSurround[2]);
    cairo_paint(cr);
  }
  if (!full) {
    cairo_rectangle(cr, dirty.x, dirty.y, dirty.w, dirty.h);
    cairo_clip(cr);
  }
  cairo_translate(cr, ox_, oy_);
  cairo_scale(cr, scale_, scale_);
  if (full) {
    renderPage(cr, page);
  } else {
    // The changed pixels are drawn again from the page itself rather than painted over, so an
    // erase leaves no antialiased rim of what it erased.
    renderRegion(cr, page, static_cast<float>((dirty.x - ox_) / scale_) - 1, static_cast<float>((dirty.y - oy_) / scale_) - 1,
                 static_cast<float>((dirty.x + dirty.w - ox_) / scale_) + 1, static_cast<float>((dirty.y + dirty.h - oy_) / scale_) + 1);
  }
  cairo_destroy(cr);
  cairo_surface_flush(image_);
  page.markShown();
  return dirty;
}

}  // namespace platform
