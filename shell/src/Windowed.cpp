// The real-window run shared by the three programs' main().
// The process ends at once when the program does, without tearing the window down.
#include "shell/Windowed.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "platform/Window.h"

namespace shell {

int ExitStatusOf(const std::string& name, const std::function<int()>& run) {
  try {
    return run();
  } catch (const platform::ProgramExit& x) {
    return x.status;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "%s: out of memory\n", name.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), e.what());
  } catch (...) {
    std::fprintf(stderr, "%s: stopped by an unknown failure\n", name.c_str());
  }
  return 1;
}

void RunWindowed(const std::string& title, MakeProgramFn make) {
  std::string name = title;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  int status = ExitStatusOf(name, [&] {
    platform::WindowDevice window(title);
    platform::Platform pf(window);
    auto program = make(pf);
    return RunProgram(*program);
  });
  // Nothing is left to save, and the display libraries' exit-time clean-up can race the X
  // server's own removal of the window and turn a clean end into a failure: leave at once.
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace shell
