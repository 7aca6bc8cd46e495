// Keeping the window's image of the page current: the whole page after a resize or a clear,
// otherwise only the pixels the new operations reach, and nothing when the page looks as it did.
#include "platform/PageView.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>
#include <array>

#include "platform/Render.h"

namespace platform {

namespace {

// Letterbox around the page, so the page's own edge stays visible.
constexpr double kSurround[3] = {0.55, 0.57, 0.6};

}  // namespace

PageView::~PageView() {
  if (image_) cairo_surface_destroy(image_);
}

PixelSize imageSizeFor(int w, int h) {
  double f = std::min(kMaxImageSide / double(std::max(w, h)), std::sqrt(kMaxImagePixels / (double(w) * h)));
  if (f >= 1) return {w, h};
  return {std::max(1, static_cast<int>(std::lround(w * f))), std::max(1, static_cast<int>(std::lround(h * f)))};
}

void PageView::setImage(cairo_surface_t* image, int w, int h) {
  if (image_) cairo_surface_destroy(image_);
  image_ = image;
  w_ = w;
  h_ = h;
  scale_ = std::min(w / double(kPageWidth), h / double(kPageHeight));
  ox_ = (w - kPageWidth * scale_) / 2;
  oy_ = (h - kPageHeight * scale_) / 2;
}

std::optional<PixelRect> PageView::update(Page& page, int w, int h) {
  if (w <= 0 || h <= 0) return std::nullopt;
  bool full = !image_ || pixels_ || w != w_ || h != h_ || forgotten_;
  if (full) {
    setImage(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h), w, h);
    pixels_ = nullptr;
  }
  return draw(page, full);
}

std::optional<PixelRect> PageView::updateInto(Page& page, unsigned char* pixels, int w, int h, int stride) {
  if (w <= 0 || h <= 0 || !pixels) return std::nullopt;
  bool full = pixels != pixels_ || w != w_ || h != h_ || stride != stride_ || forgotten_;
  if (full) {
    setImage(cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, w, h, stride), w, h);
    pixels_ = pixels;
    stride_ = stride;
  }
  return draw(page, full);
}

std::optional<PixelRect> PageView::draw(Page& page, bool full) {
  int w = w_, h = h_;
  forgotten_ = false;
  if (!full && page.version() == shownVersion_) return std::nullopt;
  shownVersion_ = page.version();
  if (!full && page.looksAsShown()) {
    page.markShown();
    return std::nullopt;
  }
  full = full || page.pruned();

  // The page areas the new operations reach, kept apart where they lie apart (a figure and the
  // banner below it) so that what lies between them is not drawn again.
  std::vector<std::array<float, 4>> areas;
  if (!full) {
    for (size_t i = page.firstNew(); i < page.ops().size(); ++i) {
      const Op& o = page.ops()[i];
      std::array<float, 4> a{std::max(0.0f, o.bx1), std::max(0.0f, o.by1), std::min(kPageWidth, o.bx2),
                             std::min(kPageHeight, o.by2)};
      if (a[2] < a[0] || a[3] < a[1]) continue;
      bool merged = true;
      while (merged) {
        merged = false;
        for (size_t k = 0; k < areas.size(); ++k) {
          const auto& b = areas[k];
          if (a[0] <= b[2] + 4 && b[0] <= a[2] + 4 && a[1] <= b[3] + 4 && b[1] <= a[3] + 4) {
            a = {std::min(a[0], b[0]), std::min(a[1], b[1]), std::max(a[2], b[2]), std::max(a[3], b[3])};
            areas.erase(areas.begin() + static_cast<long>(k));
            merged = true;
            break;
          }
        }
      }
      areas.push_back(a);
    }
  }

  cairo_t* cr = cairo_create(image_);
  PixelRect dirty{0, 0, w, h};
  if (full) {
    cairo_set_source_rgb(cr, kSurround[0], kSurround[1], kSurround[2]);
    cairo_paint(cr);
    cairo_translate(cr, ox_, oy_);
    cairo_scale(cr, scale_, scale_);
    renderPage(cr, page);
  } else {
    int ux1 = w, uy1 = h, ux2 = 0, uy2 = 0;
    for (const auto& a : areas) {
      // Whole pixels, with one more for the pen's antialiased edge.
      int px1 = std::clamp(static_cast<int>(std::floor(ox_ + a[0] * scale_)) - 1, 0, w);
      int py1 = std::clamp(static_cast<int>(std::floor(oy_ + a[1] * scale_)) - 1, 0, h);
      int px2 = std::clamp(static_cast<int>(std::ceil(ox_ + a[2] * scale_)) + 1, 0, w);
      int py2 = std::clamp(static_cast<int>(std::ceil(oy_ + a[3] * scale_)) + 1, 0, h);
      if (px2 <= px1 || py2 <= py1) continue;
      ux1 = std::min(ux1, px1); uy1 = std::min(uy1, py1); ux2 = std::max(ux2, px2); uy2 = std::max(uy2, py2);
      // The pixels are drawn again from the page itself rather than painted over, so an erase
      // leaves no antialiased rim of what it erased.
      cairo_save(cr);
      cairo_rectangle(cr, px1, py1, px2 - px1, py2 - py1);
      cairo_clip(cr);
      cairo_translate(cr, ox_, oy_);
      cairo_scale(cr, scale_, scale_);
      renderRegion(cr, page, static_cast<float>((px1 - ox_) / scale_), static_cast<float>((py1 - oy_) / scale_),
                   static_cast<float>((px2 - ox_) / scale_), static_cast<float>((py2 - oy_) / scale_));
      cairo_restore(cr);
    }
    dirty = ux2 > ux1 ? PixelRect{ux1, uy1, ux2 - ux1, uy2 - uy1} : PixelRect{0, 0, 0, 0};
  }
  cairo_destroy(cr);
  cairo_surface_flush(image_);
  page.markShown();
  return dirty;
}

}  // namespace platform
