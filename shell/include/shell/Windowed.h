// A program's main(): opens the real window, runs the program in it, and ends the process.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "shell/Program.h"

namespace shell {

using MakeProgramFn = std::unique_ptr<Program> (*)(platform::Platform&);

// Never returns: the process ends with the program's exit status.
[[noreturn]] void RunWindowed(const std::string& title, MakeProgramFn make);

// The exit status of a run: its own, or 1 for anything else that escaped it (no window, out of
// memory, a library failure), told on stderr in one line that starts with the program's name.
int ExitStatusOf(const std::string& name, const std::function<int()>& run);

}  // namespace shell
