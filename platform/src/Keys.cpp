// Key codes from SDL events. Printable characters are taken only from text input (so the
// keyboard layout decides them), the named keys only from key-down events.
#include "platform/Keys.h"

#include "platform/KeyCodes.h"

namespace platform {

std::optional<char> keyFromEvent(const SDL_Event& e) {
  if (e.type == SDL_TEXTINPUT) {
    const auto* t = reinterpret_cast<const unsigned char*>(e.text.text);
    if (t[0] >= 0x20 && t[0] < 0x7F && t[1] == 0) return static_cast<char>(t[0]);
    return std::nullopt;
  }
  if (e.type != SDL_KEYDOWN) return std::nullopt;
  switch (e.key.keysym.sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return keys::kEnter;
    case SDLK_BACKSPACE: return keys::kBackspace;
    case SDLK_DELETE: return keys::kDelete;
    case SDLK_RIGHT: return keys::kRight;
    case SDLK_LEFT: return keys::kLeft;
    case SDLK_UP: return keys::kUp;
    case SDLK_DOWN: return keys::kDown;
    case SDLK_ESCAPE: return keys::kEscape;
    default: return std::nullopt;
  }
}

}  // namespace platform
