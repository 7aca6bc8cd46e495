// The key codes of the lessons, named once: what a key press gives the programs, the replay
// script's named keys, number input and the interactive figure all use these.
#pragma once

namespace platform::keys {

constexpr char kBackspace = 8;
constexpr char kDelete = 12;  // empties the number field, as Backspace does
constexpr char kEnter = 13;
constexpr char kEscape = 27;
constexpr char kRight = 28;
constexpr char kLeft = 29;
constexpr char kUp = 30;
constexpr char kDown = 31;

}  // namespace platform::keys
