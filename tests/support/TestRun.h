// The one test set-up of every layer and program: a program on a scripted keyboard, with every
// drawing operation it makes kept in `log`. Include "support/TestRun.h" (and "support/OpsLog.h").
//
//   TestRun run;                          Pendrel after start-up, no keys, empty log: call a
//                                         routine on run.P / run.v, then read run.log (or
//                                         run.ops(OpKind::Line), run.texts(), run.shown())
//   TestRun run("12{Enter}");             the same, with keys for the routine to read
//   TestRun run("", "lunevar");           another program after start-up (its own variables too)
//   auto run = Play("lunevar", "1{Enter}abcde");
//                                         the whole program from start-up through its main menu
//                                         until the keys run out; run.status, run.log (all of it)
//   auto next = run.runScreen(lunevar::AnglesMainMenu, "8{Enter}");
//                                         one screen on these keys: the screen it names next, or
//                                         nothing when it still waited for a key at the end
//   run.runUntil({lunevar::TheoremSummary}, "1{Enter}abcde5{Enter}");
//                                         from the main menu, screen by screen, until the given
//                                         screen is next (true) or the keys run out (false)
//
// Key scripts are those of the replay tool: each character is its key; {Enter} {Backspace}
// {Delete} {Left} {Right} {Up} {Down} {Esc} {Idle} {Close} name theirs. A program's own
// variables are reached as usual (lunevar::Lv(run.P)). For a clock time, fixed random numbers, a
// plain program of the test's own description or a run that stops after start-up, pass a Setup.
#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Page.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace testsupport {

using platform::Op;
using platform::OpKind;
using Log = std::vector<Op>;
using ScreenFn = shell::Screen (*)(shell::Program&);

struct Setup {
  std::string program = "pendrel";        // lunevar, pendrel or osvatine
  std::optional<shell::ProgramInfo> info;  // when set: a plain shell::Program of this description
  std::string keys;
  std::string time = "12:00:00";          // the clock the start-up seeds the random numbers from
  std::optional<float> rnd;                // when set: every random number is this value
  bool mainMenu = true;                    // Play only: false leaves the main menu out
};

class TestRun {
 public:
  // The program after start-up, the log emptied, the keys waiting to be read.
  explicit TestRun(const std::string& keys = "", const std::string& program = "pendrel");
  explicit TestRun(const Setup& setup);
  // A run may be returned from a helper: the log follows it.
  TestRun(TestRun&& other) noexcept;
  TestRun(const TestRun&) = delete;
  TestRun& operator=(const TestRun&) = delete;

 private:
  std::unique_ptr<platform::ScriptDevice> device_;
  std::unique_ptr<platform::Platform> platform_;
  std::unique_ptr<shell::Program> program_;

 public:
  platform::ScriptDevice& device;
  platform::Platform& pf;
  shell::Program& P;
  shell::Vars& v;
  Log log;          // every operation drawn (since start-up, or from the start for Play)
  int status = -1;  // Play: the exit status of the run

  // Keys added after those already waiting.
  void addKeys(const std::string& keys);
  // Runs one screen on keys added to the script; the screen it names next, or nothing when the
  // script ran out (or the window closed) while it waited for a key.
  std::optional<shell::Screen> runScreen(shell::Screen screen, const std::string& keys = "");
  std::optional<shell::Screen> runScreen(ScreenFn screen, const std::string& keys = "") {
    return runScreen(shell::Screen{screen}, keys);
  }
  // Runs screens from the main menu on keys added to the script until `target` is the next one
  // (true; it is not run) or the script runs out or the program ends (false).
  bool runUntil(shell::Screen target, const std::string& keys = "");

  // Operations of one kind in the log; text only where it shows a glyph; on the page only.
  Log ops(OpKind kind) const;
  Log texts() const;
  Log shown() const;
  Log shown(OpKind kind) const;

 private:
  enum class Start { StartUpOnly, WholeRun };
  TestRun(const Setup& setup, Start start);
  void logHere();
  friend TestRun Play(const Setup& setup);
};

// The whole program from start-up through its menus until the keys run out or it ends.
TestRun Play(const Setup& setup);
inline TestRun Play(const std::string& program, const std::string& keys) {
  Setup s;
  s.program = program;
  s.keys = keys;
  return Play(s);
}

}  // namespace testsupport

namespace shell {
// A screen in a test's failure message, by its function's name where the symbol is known.
void PrintTo(const Screen& s, std::ostream* os);
}  // namespace shell
