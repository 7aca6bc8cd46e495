// Showing an image scaled up to fill a window larger than any image the page is drawn in: the
// X server scales it, so the program holds no picture the window's size.
#pragma once
#include <SDL.h>
#include <cairo.h>

#include <optional>

#include "platform/PageView.h"

namespace platform {

class ScaledPresent {
 public:
  explicit ScaledPresent(SDL_Window* window);
  ~ScaledPresent();
  ScaledPresent(const ScaledPresent&) = delete;
  ScaledPresent& operator=(const ScaledPresent&) = delete;

  // Whether the window's display can scale (X11); elsewhere the caller scales into SDL's surface.
  bool available() const { return display_ != nullptr; }
  // Shows the image stretched over a window of w x h pixels: only the image's pixels `area`,
  // or all of it.
  void show(cairo_surface_t* image, int w, int h, std::optional<PixelRect> area);

 private:
  void* display_ = nullptr;
  unsigned long window_ = 0;
  void* visual_ = nullptr;
  cairo_surface_t* target_ = nullptr;
  int w_ = 0, h_ = 0;
};

}  // namespace platform
