// Key scripts: what each piece of a script stands for, what is malformed, and how the script
// device answers key polls (an empty poll, closing, the end of the script).
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/ScriptDevice.h"

namespace platform {
namespace {

std::string keysOf(const std::vector<ScriptItem>& items) {
  std::string out;
  for (const auto& it : items) {
    switch (it.step) {
      case ScriptStep::Key: out += it.key; break;
      case ScriptStep::Idle: out += "<idle>"; break;
      case ScriptStep::Close: out += "<close>"; break;
    }
  }
  return out;
}

TEST(KeyScript, Parses) {
  struct Case {
    const char* script;
    std::string keys;
  } cases[] = {
      {"", ""},
      {"12{Enter}", "12\r"},
      {"{Backspace}{Delete}{Esc}", "\b\f\x1b"},
      {"{Right}{Left}{Up}{Down}", "\x1c\x1d\x1e\x1f"},
      {"1/2 -.", "1/2 -."},
      {"{Idle}a{Close}", "<idle>a<close>"},
      {"3\n4\r\n", "34"},
  };
  for (const auto& c : cases) {
    auto items = parseKeyScript(c.script);
    ASSERT_TRUE(items) << c.script;
    EXPECT_EQ(keysOf(*items), c.keys) << c.script;
  }
}

TEST(KeyScript, RejectsMalformed) {
  for (const char* bad : {"{Enter", "{enter}", "{}", "{Tab}", "a}b{", "番", "\t"})
    EXPECT_FALSE(parseKeyScript(bad)) << bad;
}

TEST(KeyScript, DevicePlaysItThenEndsTheRun) {
  ScriptDevice device(*parseKeyScript("a{Idle}{Enter}"), "01:02:03");
  Platform pf(device);
  int taken = 0;
  device.onKeyTaken = [&](Page&) { ++taken; };
  EXPECT_EQ(pf.timeText(), "01:02:03");
  EXPECT_EQ(pf.inkey(), "a");
  EXPECT_EQ(pf.inkey(), "");
  EXPECT_EQ(pf.inkey(), "\r");
  EXPECT_EQ(taken, 2);
  EXPECT_THROW(pf.inkey(), ProgramExit);
}

TEST(KeyScript, CloseEndsWithStatusZero) {
  ScriptDevice device(*parseKeyScript("{Close}x"));
  Platform pf(device);
  try {
    pf.inkey();
    FAIL() << "closing must end the run";
  } catch (const ProgramExit& x) {
    EXPECT_EQ(x.status, 0);
  }
  EXPECT_TRUE(device.closed());
  EXPECT_THROW(pf.inkey(), ProgramExit);
}

}  // namespace
}  // namespace platform
