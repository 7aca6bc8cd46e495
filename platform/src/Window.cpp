// The SDL2 window: keys in, page out. The page is drawn with Cairo into an image the size of
// the window, scaled to fit with its aspect kept, and only the new operations are drawn on it
// unless the window changed size or the page was cleared.
#include "platform/Window.h"

#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <ctime>
#include <deque>

#include "platform/Errors.h"
#include "platform/Keys.h"
#include "platform/Render.h"

namespace platform {

struct WindowDevice::Impl {
  SDL_Window* window = nullptr;
  cairo_surface_t* cache = nullptr;
  int cw = 0, ch = 0;
  double scale = 1, ox = 0, oy = 0;
  unsigned long shownVersion = ~0UL;
  bool needFull = true;
  bool needPresent = true;
  std::deque<char> keys;

  ~Impl() {
    if (cache) cairo_surface_destroy(cache);
    if (window) SDL_DestroyWindow(window);
    SDL_Quit();
  }

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        throw ProgramExit{0};
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw ProgramExit{0};
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_RESIZED) needFull = true;
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED ||
            e.window.event == SDL_WINDOWEVENT_SHOWN)
          needPresent = true;
        break;
      case SDL_TEXTINPUT:
      case SDL_KEYDOWN:
        if (auto k = keyFromEvent(e)) keys.push_back(*k);
        break;
      default:
        break;
    }
  }

  void pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
  }

  void show(Page& page) {
    SDL_Surface* surf = SDL_GetWindowSurface(window);
    if (!surf) return;
    int w = surf->w, h = surf->h;
    if (w <= 0 || h <= 0) return;
    if (!cache || w != cw || h != ch) {
      if (cache) cairo_surface_destroy(cache);
      cache = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
      cw = w; ch = h;
      needFull = true;
    }
    bool changed = page.version() != shownVersion;
    if (!changed && !needFull && !needPresent) return;
    if (changed || needFull) {
      cairo_t* cr = cairo_create(cache);
      scale = std::min(w / double(kPageWidth), h / double(kPageHeight));
      ox = (w - kPageWidth * scale) / 2;
      oy = (h - kPageHeight * scale) / 2;
      if (needFull || page.pruned()) {
        cairo_set_source_rgb(cr, 0.55, 0.57, 0.6);
        cairo_paint(cr);
      }
      cairo_translate(cr, ox, oy);
      cairo_scale(cr, scale, scale);
      if (needFull || page.pruned()) renderPage(cr, page);
      else renderOps(cr, page.ops(), page.firstNew());
      cairo_destroy(cr);
      page.markShown();
      shownVersion = page.version();
      needFull = false;
    }
    cairo_surface_flush(cache);
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(cache), cw, ch, 32,
                                                          cairo_image_surface_get_stride(cache), SDL_PIXELFORMAT_RGB888);
    if (src) {
      SDL_BlitSurface(src, nullptr, surf, nullptr);
      SDL_FreeSurface(src);
    }
    SDL_UpdateWindowSurface(window);
    needPresent = false;
  }
};

WindowDevice::WindowDevice(const std::string& title) : impl_(std::make_unique<Impl>()) {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    SDL_Log("cannot open a window: %s", SDL_GetError());
    throw ProgramExit{1};
  }
  SDL_Rect usable{0, 0, 1440, 900};
  SDL_GetDisplayUsableBounds(0, &usable);
  impl_->window = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_SHOWN);
  if (!impl_->window) {
    SDL_Log("cannot open a window: %s", SDL_GetError());
    throw ProgramExit{1};
  }
  SDL_StartTextInput();
}

WindowDevice::~WindowDevice() = default;

void WindowDevice::maximize() { SDL_MaximizeWindow(impl_->window); }

void WindowDevice::setTitle(const std::string& t) { SDL_SetWindowTitle(impl_->window, t.c_str()); }

std::optional<char> WindowDevice::pollKey(Page& page) {
  impl_->pump();
  if (!impl_->keys.empty()) {
    char c = impl_->keys.front();
    impl_->keys.pop_front();
    return c;
  }
  impl_->show(page);
  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, 8)) {
    impl_->handle(e);
    impl_->pump();
  }
  if (!impl_->keys.empty()) {
    char c = impl_->keys.front();
    impl_->keys.pop_front();
    return c;
  }
  return std::nullopt;
}

void WindowDevice::idle(Page& page) {
  for (;;) {
    impl_->show(page);
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 250)) impl_->handle(e);
    impl_->keys.clear();  // keys do nothing here
  }
}

std::string WindowDevice::clockText() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char b[16];
  std::strftime(b, sizeof b, "%H:%M:%S", &tm);
  return b;
}

}  // namespace platform
