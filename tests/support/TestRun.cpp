// The one test set-up of every layer and program: a program on a scripted keyboard, with every
// drawing operation it makes kept in its log.
#include "support/TestRun.h"

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdlib>
#include <stdexcept>

#include "Replay.h"
#include "platform/Errors.h"
#include "support/OpsLog.h"

namespace testsupport {

namespace {

std::vector<platform::ScriptItem> Script(const std::string& keys) {
  auto script = platform::parseKeyScript(keys);
  if (!script) throw std::invalid_argument("bad key script: " + keys);
  return *script;
}

std::unique_ptr<shell::Program> MakeProgram(const Setup& s, platform::Platform& pf) {
  if (s.info) return std::make_unique<shell::Program>(pf, *s.info);
  auto p = replay::MakeProgram(s.program, pf);
  if (!p) throw std::invalid_argument("unknown program: " + s.program);
  return p;
}

Setup KeysFor(const std::string& keys, const std::string& program) {
  Setup s;
  s.program = program;
  s.keys = keys;
  return s;
}

}  // namespace

TestRun::TestRun(const std::string& keys, const std::string& program) : TestRun(KeysFor(keys, program)) {}

TestRun::TestRun(const Setup& s, Start start)
    : device_(std::make_unique<platform::ScriptDevice>(Script(s.keys), s.time)),
      platform_(std::make_unique<platform::Platform>(*device_)),
      program_(MakeProgram(s, *platform_)),
      device(*device_),
      pf(*platform_),
      P(*program_),
      v(program_->v) {
  if (s.rnd) pf.random().fix(*s.rnd);
  if (!s.mainMenu) P.info.mainMenu = {};
  logHere();
  if (start == Start::WholeRun) {
    status = shell::RunProgram(P);
  } else {
    shell::StartUp(P);
    log.clear();
  }
}

TestRun::TestRun(const Setup& s) : TestRun(s, Start::StartUpOnly) {}

TestRun::TestRun(TestRun&& other) noexcept
    : device_(std::move(other.device_)),
      platform_(std::move(other.platform_)),
      program_(std::move(other.program_)),
      device(*device_),
      pf(*platform_),
      P(*program_),
      v(program_->v),
      log(std::move(other.log)),
      status(other.status) {
  logHere();
}

void TestRun::logHere() {
  pf.page().onOp = [this](const Op& op) { log.push_back(op); };
}

TestRun Play(const Setup& setup) { return TestRun(setup, TestRun::Start::WholeRun); }

void TestRun::addKeys(const std::string& keys) { device.append(Script(keys)); }

std::optional<shell::Screen> TestRun::runScreen(shell::Screen screen, const std::string& keys) {
  addKeys(keys);
  try {
    return screen.run(P);
  } catch (const platform::ProgramExit&) {
    return std::nullopt;
  }
}

bool TestRun::runUntil(shell::Screen target, const std::string& keys) {
  addKeys(keys);
  try {
    for (shell::Screen s = P.info.mainMenu; s.run; s = s.run(P))
      if (s == target) return true;
  } catch (const platform::ProgramExit&) {
  }
  return false;
}

Log TestRun::ops(OpKind kind) const { return OfKind(log, kind); }
Log TestRun::texts() const { return Texts(log); }
Log TestRun::shown() const { return OnPage(log); }
Log TestRun::shown(OpKind kind) const { return OnPage(log, kind); }

}  // namespace testsupport

namespace shell {

void PrintTo(const Screen& s, std::ostream* os) {
  if (!s.run) {
    *os << "no screen (the program ends)";
    return;
  }
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(s.run), &info) && info.dli_sname) {
    int status = 0;
    char* name = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
    *os << (status == 0 && name ? name : info.dli_sname);
    std::free(name);
    return;
  }
  *os << "screen at " << reinterpret_cast<void*>(s.run);
}

}  // namespace shell
