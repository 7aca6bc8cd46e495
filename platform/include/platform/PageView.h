// The page as the window shows it: an image the window's size, the page scaled to fit with its
// aspect kept, brought up to date with as little drawing as the page's changes allow.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <optional>

#include "platform/Page.h"

namespace platform {

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
};

class PageView {
 public:
  PageView() = default;
  ~PageView();
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;

  // Brings the image up to date for a window of w x h pixels; returns the pixels that changed,
  // or nothing when the picture is the one already shown (a blink drawn and drawn over again).
  std::optional<PixelRect> update(Page& page, int w, int h);
  // The image (xRGB, 32 bits a pixel), valid after update.
  cairo_surface_t* image() const { return image_; }

 private:
  cairo_surface_t* image_ = nullptr;
  int w_ = 0, h_ = 0;
  double scale_ = 1, ox_ = 0, oy_ = 0;
  unsigned long shownVersion_ = ~0UL;
};

}  // namespace platform
