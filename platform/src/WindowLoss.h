// Noticing that another client destroyed the window. Xlib's default error handler would end the
// process with status 1 at the next request on it; the loss is taken as a close instead.
#pragma once
#include <SDL.h>

namespace platform {

// Starts watching the window for its loss (on X11; elsewhere it does nothing).
void watchForWindowLoss(SDL_Window* window);
// Whether the window watched has been destroyed by another client.
bool windowLost();

}  // namespace platform
