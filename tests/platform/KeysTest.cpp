// Keys of the real window: one character per key press, named keys by their codes, and
// nothing for modifiers, releases or text the lessons cannot take.
#include <gtest/gtest.h>

#include "SdlEvents.h"
#include "platform/Keys.h"

namespace platform {
namespace {

TEST(Keys, NamedKeysFromKeyDown) {
  struct Case {
    SDL_Keycode sym;
    char code;
  } cases[] = {
      {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_BACKSPACE, 8}, {SDLK_DELETE, 12}, {SDLK_RIGHT, 28},
      {SDLK_LEFT, 29},   {SDLK_UP, 30},       {SDLK_DOWN, 31},     {SDLK_ESCAPE, 27},
  };
  for (const auto& c : cases) EXPECT_EQ(keyFromEvent(keyDown(c.sym)), c.code) << c.sym;
}

TEST(Keys, PrintableKeysOnlyFromText) {
  EXPECT_EQ(keyFromEvent(text("7")), '7');
  EXPECT_EQ(keyFromEvent(text("/")), '/');
  EXPECT_EQ(keyFromEvent(text(" ")), ' ');
  // The key-down of a printable key gives nothing, or every press would count twice.
  for (SDL_Keycode sym : {SDLK_7, SDLK_a, SDLK_SPACE, SDLK_KP_1, SDLK_LSHIFT, SDLK_RCTRL, SDLK_LALT, SDLK_TAB, SDLK_F1})
    EXPECT_FALSE(keyFromEvent(keyDown(sym))) << sym;
  for (const char* t : {"\r", "\n", "\t", "\x7f", "ab", "あ", "é"}) EXPECT_FALSE(keyFromEvent(text(t))) << t;
  SDL_Event up = keyDown(SDLK_RETURN);
  up.type = SDL_KEYUP;
  EXPECT_FALSE(keyFromEvent(up));
}

}  // namespace
}  // namespace platform
