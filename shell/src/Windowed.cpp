// The real-window run shared by the three programs' main().
// The process ends at once when the program does, without tearing the window down.
#include "shell/Windowed.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Window.h"

namespace shell {

void RunWindowed(const std::string& title, MakeProgramFn make) {
  int status = 0;
  try {
    platform::WindowDevice window(title);
    platform::Platform pf(window);
    auto program = make(pf);
    status = RunProgram(*program);
  } catch (const platform::ProgramExit& x) {
    status = x.status;
  }
  // Nothing is left to save, and the display libraries' exit-time clean-up can race the X
  // server's own removal of the window and turn a clean end into a failure: leave at once.
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace shell
