// Key codes from SDL events. Printable characters are taken only from text input (so the
// keyboard layout decides them), the named keys only from key-down events.
#include "platform/Keys.h"

namespace platform {

std::optional<char> keyFromEvent(const SDL_Event& e) {
  if (e.type == SDL_TEXTINPUT) {
    const auto* t = reinterpret_cast<const unsigned char*>(e.text.text);
    if (t[0] >= 0x20 && t[0] < 0x7F && t[1] == 0) return static_cast<char>(t[0]);
    return std::nullopt;
  }
  if (e.type != SDL_KEYDOWN) return std::nullopt;
  switch (e.key.keysym.sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_BACKSPACE: return 8;
    case SDLK_DELETE: return 12;
    case SDLK_RIGHT: return 28;
    case SDLK_LEFT: return 29;
    case SDLK_UP: return 30;
    case SDLK_DOWN: return 31;
    case SDLK_ESCAPE: return 27;
    default: return std::nullopt;
  }
}

}  // namespace platform
