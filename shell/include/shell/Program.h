// One run of a lesson program: the platform it draws on, the shared variables, the current
// line number the error screen reports, and the screen loop (screens return the next screen).
#pragma once
#include <exception>
#include <string>

#include "platform/Platform.h"
#include "shell/Vars.h"

namespace shell {

struct Program;

// A menu or screen: runs, then names the screen to go to next (none ends the program).
struct Screen {
  Screen (*run)(Program&) = nullptr;
  bool operator==(const Screen&) const = default;
};

struct ProgramInfo {
  std::string title;     // TITLE$
  int pointBound = 50;   // bound of X() and Y()
  int lineOffset = 0;    // the shared routines' lines stand this far from Pendrel's
  Screen mainMenu;       // the statement at line 139
};

struct Program {
  Program(platform::Platform& platform, ProgramInfo programInfo) : pf(platform), info(std::move(programInfo)) {}
  virtual ~Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  platform::Platform& pf;
  ProgramInfo info;
  Vars v;
  int line = 0;  // the line of the statement running now

  // A statement of the program's own numbering (start-up and lesson screens).
  void at(int n) { line = n; }
  // A statement of a shared routine, numbered as in Pendrel.
  void sl(int n) { line = n + info.lineOffset; }
};

// Put at the top of every routine: on a normal return the caller's line is current again;
// while an error unwinds, the failing line is kept for the error screen.
class Routine {
 public:
  explicit Routine(Program& p) : p_(p), saved_(p.line), unwinding_(std::uncaught_exceptions()) {}
  ~Routine() {
    if (std::uncaught_exceptions() == unwinding_) p_.line = saved_;
  }
  Routine(const Routine&) = delete;
  Routine& operator=(const Routine&) = delete;

 private:
  Program& p_;
  int saved_;
  int unwinding_;
};

// Start-up (lines 1 to 137): error trap, window, font, pen, seed, first values, arrays.
void StartUp(Program& P);
// Lines 18 to 20: seeds the random numbers from the clock again.
void ReseedFromClock(Program& P);
// The error screen: clears the page, shows the line and error numbers, idles until closed.
[[noreturn]] void ErrorHandler(Program& P, int errorLine, int errorCode);

// Runs the program: start-up, then screens from the main menu until the program ends.
// Returns the exit status (0 when the menu ends it or the window is closed).
int RunProgram(Program& P);

}  // namespace shell
