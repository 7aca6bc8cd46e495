// SDL events as the window receives them, made by hand for the key tests.
#pragma once
#include <SDL_events.h>

#include <cstring>

namespace platform {

inline SDL_Event keyDown(SDL_Keycode sym) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = sym;
  return e;
}

inline SDL_Event text(const char* t) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strncpy(e.text.text, t, sizeof e.text.text - 1);
  return e;
}

}  // namespace platform
