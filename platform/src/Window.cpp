// The SDL2 window: keys in, page out. A poll that finds no key sleeps in SDL's event wait until
// something happens (a key, a close, an expose, a resize), so a waiting program never wakes on
// its own; the picture is presented only where it changed, or on expose.
#include "platform/Window.h"

#include <SDL.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "platform/Errors.h"
#include "platform/Keys.h"
#include "platform/PageView.h"
#include "platform/Render.h"
#include "ScaledPresent.h"
#include "WindowLoss.h"

namespace platform {

namespace {

}  // namespace

struct WindowDevice::Impl {
  SDL_Window* window = nullptr;
  PageView view;
  std::unique_ptr<ScaledPresent> scaled;
  bool needPresent = true;
  std::function<void()> beforePresent;  // run once, when the next picture is ready to go up
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
        // A new size may give SDL's surface new pixels, even at the old address.
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) view.forget();
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

  // Sleeps until an event comes (at once if one is queued) and handles it with any that follow.
  void wait() {
    SDL_Event e;
    if (SDL_WaitEvent(&e)) {
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
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (w <= 0 || h <= 0) return;
    PixelSize image = imageSizeFor(w, h);
    if (image.w == w && image.h == h) showInSurface(page);
    else showScaled(page, w, h, image);
    checkWindow();
  }

  // The blank page, up as soon as the window is, with `meanwhile` started once the page is drawn,
  // while the display puts it up. The program's first page is drawn over it in full, so nothing
  // the view keeps of it carries over.
  void showBlank(const std::function<void()>& meanwhile) {
    Page blank;
    beforePresent = meanwhile;
    show(blank);
    runBeforePresent();
    view.forget();
    needPresent = true;
  }

  void runBeforePresent() {
    if (beforePresent) std::exchange(beforePresent, nullptr)();
  }

  // The page drawn straight into SDL's surface of the window when its pixels are laid out as
  // Cairo's, else into an image copied there.
  void showInSurface(Page& page) {
    // A minimised window may have no surface: the page waits in the view until it has one.
    SDL_Surface* surf = SDL_GetWindowSurface(window);
    if (!surf) return;
    Uint32 format = surf->format->format;
    bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    auto changed = direct ? view.updateInto(page, static_cast<unsigned char*>(surf->pixels), surf->w, surf->h, surf->pitch)
                          : view.update(page, surf->w, surf->h);
    if (!changed && !needPresent) return;
    if (!direct && !copyImage(surf, needPresent ? std::nullopt : changed)) return;
    runBeforePresent();
    if (needPresent) {
      SDL_UpdateWindowSurface(window);
    } else if (changed->w > 0 && changed->h > 0) {
      SDL_Rect r{changed->x, changed->y, changed->w, changed->h};
      SDL_UpdateWindowSurfaceRects(window, &r, 1);
    }
    needPresent = false;
  }

  // Copies the view's image, or its pixels `area`, into the surface (scaled to fill it).
  bool copyImage(SDL_Surface* surf, std::optional<PixelRect> area) {
    cairo_surface_t* img = view.image();
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(img), cairo_image_surface_get_width(img), cairo_image_surface_get_height(img),
        32, cairo_image_surface_get_stride(img), SDL_PIXELFORMAT_RGB888);
    if (!src) return false;
    if (src->w != surf->w || src->h != surf->h) {
      SDL_BlitScaled(src, nullptr, surf, nullptr);
    } else if (area) {
      SDL_Rect r{area->x, area->y, area->w, area->h};
      SDL_BlitSurface(src, &r, surf, &r);
    } else {
      SDL_BlitSurface(src, nullptr, surf, nullptr);
    }
    SDL_FreeSurface(src);
    return true;
  }

  // A window larger than any image of the page: the image drawn at its largest, stretched over
  // the window by the display where it can, else into SDL's surface of the window.
  void showScaled(Page& page, int w, int h, PixelSize image) {
    auto changed = view.update(page, image.w, image.h);
    if (!changed && !needPresent) return;
    if (!scaled) scaled = std::make_unique<ScaledPresent>(window);
    runBeforePresent();
    if (scaled->available()) {
      scaled->show(view.image(), w, h, needPresent ? std::nullopt : changed);
    } else {
      SDL_Surface* surf = SDL_GetWindowSurface(window);
      if (!surf || !copyImage(surf, std::nullopt)) return;
      SDL_UpdateWindowSurface(window);
    }
    needPresent = false;
  }
};

namespace {

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// Starts SDL's video with stderr caught, so that what a display library prints about a failure
// (Wayland's client library says why on a line of its own) can go into our one line; on success
// it is passed on as it was. Returns whether video started; `said` gets the library's words on
// one line (nothing on success).
bool initVideo(std::string& said) {
  std::fflush(stderr);
  FILE* caught = std::tmpfile();
  int saved = caught ? dup(STDERR_FILENO) : -1;
  if (saved >= 0) dup2(fileno(caught), STDERR_FILENO);
  bool ok = SDL_Init(SDL_INIT_VIDEO) == 0;
  said.clear();
  if (saved >= 0) {
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(caught);
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, caught)) > 0) said.append(buf, n);
  }
  if (caught) std::fclose(caught);
  if (ok) {
    std::fputs(said.c_str(), stderr);
    said.clear();
    return true;
  }
  std::string line;
  for (char c : said) {
    if (c != '\n') line += c;
    else if (!line.empty() && line.back() != ' ') line += "; ";
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == ';')) line.pop_back();
  said = line;
  return false;
}

std::string failure(const std::string& said) {
  return std::string(SDL_GetError()) + (said.empty() ? "" : " (" + said + ")");
}

// Starts SDL's video on a driver that shows a window: the one SDL_VIDEODRIVER names, if set;
// otherwise X11 or Wayland, whichever has a display. SDL would otherwise fall back to a driver
// with no window at all, and the program would wait for keys that can never come.
void startVideo() {
  std::string said;
  if (envSet("SDL_VIDEODRIVER")) {
    if (!initVideo(said)) throw std::runtime_error("cannot open a window: " + failure(said));
    return;
  }
  std::string why;
  for (auto [driver, display] : {std::pair{"x11", "DISPLAY"}, {"wayland", "WAYLAND_DISPLAY"}}) {
    if (!envSet(display)) continue;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
    if (initVideo(said)) return;
    why += std::string(why.empty() ? "" : "; ") + display + "=" + std::getenv(display) + ": " + failure(said);
  }
  if (why.empty()) why = "neither DISPLAY nor WAYLAND_DISPLAY is set";
  throw std::runtime_error("cannot open a window (no display): " + why);
}

}  // namespace

WindowDevice::WindowDevice(const std::string& title) : impl_(std::make_unique<Impl>()) {
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  startVideo();
  std::jthread fonts;
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
  // The blank page goes up at once. The faces load on a thread of their own from the moment it is
  // drawn, while the display puts it up, and are ready when the constructor returns (loaded any
  // earlier, they slowed SDL's start and that drawing by more than they took).
  impl_->showBlank([&fonts] { fonts = std::jthread(loadFonts); });
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
  // The page is shown before the wait, so what the program drew last is on the screen while it
  // sleeps; a poll that ends on an event other than a key finds no key.
  impl_->show(page);
  impl_->wait();
  return impl_->takeKey();
}

void WindowDevice::idle(Page& page) {
  for (;;) {
    impl_->show(page);
    impl_->wait();
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
