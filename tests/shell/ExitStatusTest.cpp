// How a windowed program's run ends: its own status, or status 1 and one line on stderr naming
// the program for anything else that escapes it, never an abort.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/Errors.h"
#include "shell/Windowed.h"

namespace {

TEST(ExitStatus, WhatEscapesARun) {
  struct Case {
    const char* name;
    std::function<int()> run;
    int status;
    std::string message;
  } cases[] = {
      {"a run that ends", [] { return 0; }, 0, ""},
      {"the window closed", []() -> int { throw platform::ProgramExit{0}; }, 0, ""},
      {"an exit with a status", []() -> int { throw platform::ProgramExit{3}; }, 3, ""},
      {"out of memory", []() -> int { throw std::bad_alloc(); }, 1, "lunevar: out of memory\n"},
      {"a library failure", []() -> int { throw std::runtime_error("cairo: invalid matrix"); }, 1,
       "lunevar: cairo: invalid matrix\n"},
      {"something else", []() -> int { throw 42; }, 1, "lunevar: stopped by an unknown failure\n"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStderr();
    int status = shell::ExitStatusOf("lunevar", c.run);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, c.status) << c.name;
    EXPECT_EQ(err, c.message) << c.name;
  }
}

}  // namespace
