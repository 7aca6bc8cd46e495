// Which key code of the lessons an SDL keyboard event gives: one character per key press.
// Printable keys come as text input, the others as key-down events, never both.
#pragma once
#include <optional>

#include <SDL_events.h>

namespace platform {

// Enter 13, Backspace 8, Delete 12, Right 28, Left 29, Up 30, Down 31, Escape 27, printable
// ASCII as itself; nothing for any other event (modifiers alone, key releases, other text).
std::optional<char> keyFromEvent(const SDL_Event& e);

}  // namespace platform
