// The SDL2 window: keys in, page out. Waiting is done in SDL's event wait, so a program that
// waits for a key sleeps; the picture is presented only where it changed, or on expose.
#include "platform/Window.h"

#include <SDL.h>

#include <cstdlib>
#include <ctime>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/Errors.h"
#include "platform/Keys.h"
#include "platform/PageView.h"
#include "WindowLoss.h"

namespace platform {

namespace {

// How long one key poll waits for an event when no key is pending (an event ends the wait at
// once, so this sets only how often a waiting program's loop turns), and the error screen's.
constexpr int kPollWaitMs = 16;
constexpr int kIdleWaitMs = 250;

}  // namespace

struct WindowDevice::Impl {
  SDL_Window* window = nullptr;
  PageView view;
  bool needPresent = true;
  std::deque<char> keys;

  // The window is left for the X server to take away when the process ends, right after.
  // Destroying it here races SDL's own wake-up message, sent to the window on a second
  // connection: if the server sees the destroy first, Xlib ends the process with status 1.
  ~Impl() = default;

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        throw ProgramExit{0};
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw ProgramExit{0};
        needPresent = true;  // exposed, resized, shown or restored: put the picture up again
        break;
      case SDL_TEXTINPUT:
      case SDL_KEYDOWN:
        if (auto k = keyFromEvent(e)) keys.push_back(*k);
        break;
      default:
        break;
    }
  }

  // A window destroyed by another client ends the program as a close does.
  static void checkWindow() {
    if (windowLost()) throw ProgramExit{0};
  }

  // Handles every event that has come in, without waiting.
  void pump() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
    checkWindow();
  }

  // Waits up to ms for an event and handles it with any that follow.
  void wait(int ms) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, ms)) {
      handle(e);
      pump();
    }
    checkWindow();
  }

  std::optional<char> takeKey() {
    if (keys.empty()) return std::nullopt;
    char c = keys.front();
    keys.pop_front();
    return c;
  }

  void show(Page& page) {
    // A minimised window may have no surface: the page waits in the view until it has one.
    SDL_Surface* surf = SDL_GetWindowSurface(window);
    if (!surf) return;
    auto changed = view.update(page, surf->w, surf->h);
    if (!changed && !needPresent) return;
    cairo_surface_t* img = view.image();
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(img), cairo_image_surface_get_width(img), cairo_image_surface_get_height(img),
        32, cairo_image_surface_get_stride(img), SDL_PIXELFORMAT_RGB888);
    if (!src) return;
    if (needPresent) {
      SDL_BlitSurface(src, nullptr, surf, nullptr);
      SDL_UpdateWindowSurface(window);
    } else if (changed->w > 0 && changed->h > 0) {
      SDL_Rect r{changed->x, changed->y, changed->w, changed->h};
      SDL_Rect d = r;
      SDL_BlitSurface(src, &r, surf, &d);
      SDL_UpdateWindowSurfaceRects(window, &r, 1);
    }
    SDL_FreeSurface(src);
    needPresent = false;
    checkWindow();
  }
};

namespace {

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// Starts SDL's video on a driver that shows a window: the one SDL_VIDEODRIVER names, if set;
// otherwise X11 or Wayland, whichever has a display. SDL would otherwise fall back to a driver
// with no window at all, and the program would wait for keys that can never come.
void startVideo() {
  if (envSet("SDL_VIDEODRIVER")) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
      throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    return;
  }
  std::string why;
  for (auto [driver, display] : {std::pair{"x11", "DISPLAY"}, {"wayland", "WAYLAND_DISPLAY"}}) {
    if (!envSet(display)) continue;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
    if (SDL_Init(SDL_INIT_VIDEO) == 0) return;
    why += std::string(why.empty() ? "" : "; ") + display + "=" + std::getenv(display) + ": " + SDL_GetError();
  }
  if (why.empty()) why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
  throw std::runtime_error("cannot open a window (no display): " + why);
}

}  // namespace

WindowDevice::WindowDevice(const std::string& title) : impl_(std::make_unique<Impl>()) {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  startVideo();
  // The page is drawn by Cairo in memory: on X11 a plain framebuffer shows it, with no 3D
  // driver and its threads. Other drivers may have no plain framebuffer, so they keep theirs.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Without a window manager nothing maximises the window, so it starts as large as the
  // display allows; with one, the maximised flag does the rest.
  SDL_Rect usable{0, 0, 1440, 900};
  SDL_GetDisplayUsableBounds(0, &usable);
  impl_->window = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_SHOWN);
  if (!impl_->window) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
  watchForWindowLoss(impl_->window);
  SDL_SetWindowMinimumSize(impl_->window, 1, 1);
  SDL_StartTextInput();
}

WindowDevice::~WindowDevice() = default;

void WindowDevice::maximize() { SDL_MaximizeWindow(impl_->window); }

void WindowDevice::setTitle(const std::string& t) { SDL_SetWindowTitle(impl_->window, t.c_str()); }

std::optional<char> WindowDevice::pollKey(Page& page) {
  // With keys waiting, the events that came after them are handled first: a close ends the
  // program at once, however many keys wait before it.
  if (!impl_->keys.empty()) {
    impl_->pump();
    return impl_->takeKey();
  }
  impl_->show(page);
  impl_->wait(kPollWaitMs);
  return impl_->takeKey();
}

void WindowDevice::idle(Page& page) {
  for (;;) {
    impl_->show(page);
    impl_->wait(kIdleWaitMs);
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
