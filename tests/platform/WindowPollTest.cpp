// The window's key poll with SDL's window-less driver: keys come in order, one a poll, a poll
// with nothing queued sleeps until the next event, and a close ends the program at the next
// poll, however many keys still wait before it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "SdlEvents.h"
#include "platform/Errors.h"
#include "platform/Page.h"
#include "platform/Window.h"

namespace platform {
namespace {

void PushKey(SDL_Keycode sym) {
  SDL_Event e = keyDown(sym);
  SDL_PushEvent(&e);
}

void PushClose(bool windowEvent) {
  SDL_Event e{};
  if (windowEvent) {
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_CLOSE;
  } else {
    e.type = SDL_QUIT;
  }
  SDL_PushEvent(&e);
}

class WindowPoll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
  // Each test starts with no events queued: none of the window's own, none a test left.
  void SetUp() override {
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  WindowDevice window{"Test"};
  Page page;
};

TEST_F(WindowPoll, KeysComeInOrderOneAPoll) {
  PushKey(SDLK_LEFT);
  PushKey(SDLK_RETURN);
  PushKey(SDLK_LSHIFT);  // gives no key
  PushKey(SDLK_UP);
  EXPECT_EQ(window.pollKey(page), std::optional<char>(29));
  EXPECT_EQ(window.pollKey(page), std::optional<char>(13));
  EXPECT_EQ(window.pollKey(page), std::optional<char>(30));
  SDL_Event exposed{};
  exposed.type = SDL_WINDOWEVENT;
  exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
  SDL_PushEvent(&exposed);
  EXPECT_EQ(window.pollKey(page), std::nullopt) << "an event that is no key";
}

TEST_F(WindowPoll, APollWithNothingQueuedSleepsUntilTheNextKey) {
  std::thread later([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    PushKey(SDLK_RETURN);
  });
  EXPECT_EQ(window.pollKey(page), std::optional<char>(13));
  later.join();
}

TEST_F(WindowPoll, ACloseEndsTheProgramAtTheNextPollWhateverKeysWait) {
  for (bool windowEvent : {true, false}) {
    for (int i = 0; i < 2000; ++i) PushKey(SDLK_LEFT);
    ASSERT_EQ(window.pollKey(page), std::optional<char>(29));  // the keys are all taken from SDL
    PushClose(windowEvent);
    try {
      window.pollKey(page);
      ADD_FAILURE() << (windowEvent ? "window close" : "quit") << ": a waiting key was handed out";
    } catch (const ProgramExit& x) {
      EXPECT_EQ(x.status, 0);
    }
  }
}

}  // namespace
}  // namespace platform
