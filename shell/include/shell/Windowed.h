// A program's main(): opens the real window, runs the program in it, and ends the process.
#pragma once
#include <memory>
#include <string>

#include "shell/Program.h"

namespace shell {

using MakeProgramFn = std::unique_ptr<Program> (*)(platform::Platform&);

// Never returns: the process ends with the program's exit status.
[[noreturn]] void RunWindowed(const std::string& title, MakeProgramFn make);

}  // namespace shell
