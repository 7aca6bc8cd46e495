// The replay tool's work, callable from tests: run one program on a key script with no window.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Page.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace replay {

struct Options {
  std::string program;          // lunevar, pendrel or osvatine
  std::string keys;             // key script
  std::string time = "12:00:00";
  std::optional<float> rnd;     // every random number this value
  std::string opsFile, pngFile, snapshotsDir;
  std::string takenFile;        // where to write how many items of the script were taken
  bool keepLog = true;          // keep every operation in Result::log (the tool itself does not)
  std::function<void(platform::Page&)> onKeyTaken;  // called with the page as each key is taken
};

// A finished run: every operation drawn (when kept), the page as it was left, the exit status.
struct Result {
  int status = 0;
  size_t keysTaken = 0;  // items of the script taken (keys, idle polls, the close)
  std::vector<platform::Op> log;
  std::unique_ptr<platform::ScriptDevice> device;
  std::unique_ptr<platform::Platform> platform;
  std::unique_ptr<shell::Program> program;
  const platform::Page& page() const { return platform->page(); }
};

// Makes the named program; nothing if the name is unknown.
std::unique_ptr<shell::Program> MakeProgram(const std::string& name, platform::Platform& pf);

// Runs the program to the end of the script, writing the outputs named. Throws
// std::runtime_error on a bad script or name, and on an output that cannot be written.
Result Run(const Options& o);

// Parses the command line and does the whole job; returns the exit status (2 on usage errors).
int Main(int argc, char** argv);

}  // namespace replay
