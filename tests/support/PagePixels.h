// The page rendered at one pixel per page unit, so a test can ask what colour shows where.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include <cairo.h>

#include "platform/Page.h"
#include "platform/Render.h"

namespace testsupport {

class PagePixels {
 public:
  explicit PagePixels(const platform::Page& page)
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1440, 900), cairo_surface_destroy) {
    cairo_t* cr = cairo_create(surface_.get());
    platform::renderPage(cr, page);
    cairo_destroy(cr);
    cairo_surface_flush(surface_.get());
  }
  std::array<uint8_t, 3> at(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    int stride = cairo_image_surface_get_stride(surface_.get());
    uint32_t px = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
    return {static_cast<uint8_t>(px >> 16), static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px)};
  }
  bool is(int x, int y, int colour) const { return at(x, y) == platform::paletteRgb(colour); }
  // How many pixels differ from another page's: 0 when the two pages look exactly the same.
  size_t differencesFrom(const PagePixels& other) const {
    size_t n = 0;
    for (int y = 0; y < 900; ++y)
      for (int x = 0; x < 1440; ++x) n += at(x, y) != other.at(x, y);
    return n;
  }

 private:
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
};

}  // namespace testsupport
