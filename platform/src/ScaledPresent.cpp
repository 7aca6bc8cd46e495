// The scaled picture of an oversized window, drawn by Cairo on the window itself and only where
// the window is on the screen.
#include "ScaledPresent.h"

#include <SDL_syswm.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <cmath>

namespace platform {

ScaledPresent::ScaledPresent(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  XWindowAttributes a;
  if (!XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &a)) return;
  display_ = info.info.x11.display;
  window_ = info.info.x11.window;
  visual_ = a.visual;
}

ScaledPresent::~ScaledPresent() {
  if (target_) cairo_surface_destroy(target_);
}

void ScaledPresent::show(cairo_surface_t* image, int w, int h, std::optional<PixelRect> area) {
  if (!target_) {
    target_ = cairo_xlib_surface_create(static_cast<Display*>(display_), window_, static_cast<Visual*>(visual_), w, h);
  } else if (w != w_ || h != h_) {
    cairo_xlib_surface_set_size(target_, w, h);
  }
  w_ = w;
  h_ = h;
  double sx = w / double(cairo_image_surface_get_width(image)), sy = h / double(cairo_image_surface_get_height(image));
  cairo_t* cr = cairo_create(target_);
  // Only what lies on the screen is drawn: the rest of a window this large cannot be seen, and
  // comes into view with an expose, which shows it all again.
  auto* display = static_cast<Display*>(display_);
  Window root = DefaultRootWindow(display), child;
  int wx = 0, wy = 0;
  XTranslateCoordinates(display, window_, root, 0, 0, &wx, &wy, &child);
  int sw = DisplayWidth(display, DefaultScreen(display)), sh = DisplayHeight(display, DefaultScreen(display));
  cairo_rectangle(cr, std::max(0, -wx), std::max(0, -wy), std::min(w, sw - wx) - std::max(0, -wx),
                  std::min(h, sh - wy) - std::max(0, -wy));
  cairo_clip(cr);
  if (area) {
    // The window's pixels the changed image pixels reach once stretched, and one more for the
    // filter's blend with their neighbours.
    double x1 = std::floor((area->x - 1) * sx), y1 = std::floor((area->y - 1) * sy);
    double x2 = std::ceil((area->x + area->w + 1) * sx), y2 = std::ceil((area->y + area->h + 1) * sy);
    cairo_rectangle(cr, x1, y1, x2 - x1, y2 - y1);
    cairo_clip(cr);
  }
  cairo_scale(cr, sx, sy);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(target_);
  XFlush(static_cast<Display*>(display_));
}

}  // namespace platform
