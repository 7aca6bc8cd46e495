// The page as the window shows it: an image the window's size (its own, or the window's own
// pixels), the page scaled to fit with its aspect kept, brought up to date with as little
// drawing as the page's changes allow.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <optional>

#include "platform/Page.h"

namespace platform {

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// The largest image of the page drawn, on its long side and in all: a larger window shows an
// image this large scaled up, so that memory and drawing time stay about what a 4K window costs.
constexpr int kMaxImageSide = 4096;
constexpr double kMaxImagePixels = 4096.0 * 2560;
struct PixelSize {
  int w = 0, h = 0;
};
// The image drawn for a window of w x h pixels: the window's own size up to the largest, beyond
// it the same shape at the largest.
PixelSize imageSizeFor(int w, int h);

class PageView {
 public:
  PageView() = default;
  ~PageView();
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;

  // Brings the image up to date for a window of w x h pixels; returns the pixels that changed,
  // or nothing when the picture is the one already shown (a blink drawn and drawn over again).
  std::optional<PixelRect> update(Page& page, int w, int h);
  // The same, drawn straight into pixels held elsewhere (xRGB, 32 bits a pixel, rows `stride`
  // bytes apart); pixels other than those drawn last time are drawn in full.
  std::optional<PixelRect> updateInto(Page& page, unsigned char* pixels, int w, int h, int stride);
  // The next update draws everything (the pixels drawn into may have been lost).
  void forget() { forgotten_ = true; }
  // The image (xRGB, 32 bits a pixel), valid after update.
  cairo_surface_t* image() const { return image_; }

 private:
  void setImage(cairo_surface_t* image, int w, int h);
  std::optional<PixelRect> draw(Page& page, bool full);
  cairo_surface_t* image_ = nullptr;
  unsigned char* pixels_ = nullptr;  // held elsewhere, or null when the image is the view's own
  int stride_ = 0;
  bool forgotten_ = false;
  int w_ = 0, h_ = 0;
  double scale_ = 1, ox_ = 0, oy_ = 0;
  unsigned long shownVersion_ = ~0UL;
};

}  // namespace platform
