// An X error handler that takes errors about the program's own window (no such window or
// drawable) as the window's loss, and passes every other error on to the handler before it.
#include "WindowLoss.h"

#include <SDL_syswm.h>

#include <atomic>

namespace platform {

namespace {

// Xlib has one error handler for the whole process, called with no context of ours, so what
// it needs lives here. There is only ever one window.
std::atomic<unsigned long> watched{0};
std::atomic<bool> lost{false};
XErrorHandler previous = nullptr;

int onXError(Display* display, XErrorEvent* e) {
  if (watched != 0 && e->resourceid == watched && (e->error_code == BadWindow || e->error_code == BadDrawable)) {
    lost = true;
    return 0;
  }
  return previous ? previous(display, e) : 0;
}

}  // namespace

void watchForWindowLoss(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  watched = info.info.x11.window;
  XErrorHandler before = XSetErrorHandler(onXError);
  if (before != onXError) previous = before;
}

bool windowLost() { return lost; }

}  // namespace platform
