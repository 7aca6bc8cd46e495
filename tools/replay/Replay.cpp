// Replays a key script through a program on the recording page and writes what it drew.
#include "Replay.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <regex>
#include <stdexcept>

#include "lunevar/Info.h"
#include "osvatine/Info.h"
#include "pendrel/Info.h"
#include "platform/OpsJson.h"
#include "platform/Render.h"

namespace replay {

std::unique_ptr<shell::Program> MakeProgram(const std::string& name, platform::Platform& pf) {
  if (name == "lunevar") return lunevar::MakeProgram(pf);
  if (name == "pendrel") return pendrel::MakeProgram(pf);
  if (name == "osvatine") return osvatine::MakeProgram(pf);
  return nullptr;
}

namespace {

std::string failed(const std::string& what, const std::string& file, const std::string& why) {
  return what + " " + file + (why.empty() ? "" : ": " + why);
}

// The drawing log written as it is drawn, one line an operation; a failed write ends the run.
class OpsLog {
 public:
  explicit OpsLog(std::string file) : file_(std::move(file)), out_(file_, std::ios::binary) {
    if (!out_) throw std::runtime_error(failed("cannot write", file_, std::strerror(errno)));
  }
  void write(const platform::Op& op) {
    line_.clear();
    platform::appendOpJson(line_, op);
    line_ += '\n';
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
    check();
  }
  void close() {
    out_.close();
    check();
  }

 private:
  void check() {
    if (!out_) throw std::runtime_error(failed("cannot write", file_, std::strerror(errno)));
  }
  std::string file_;
  std::ofstream out_;
  std::string line_;
};

}  // namespace

Result Run(const Options& o) {
  auto script = platform::parseKeyScript(o.keys);
  if (!script) throw std::runtime_error("bad key script");
  Result r;
  r.device = std::make_unique<platform::ScriptDevice>(*script, o.time);
  r.platform = std::make_unique<platform::Platform>(*r.device);
  if (o.rnd) r.platform->random().fix(*o.rnd);
  r.program = MakeProgram(o.program, *r.platform);
  if (!r.program) throw std::runtime_error("unknown program: " + o.program);
  std::optional<OpsLog> ops;
  if (!o.opsFile.empty()) ops.emplace(o.opsFile);
  auto* log = o.keepLog ? &r.log : nullptr;
  auto* out = ops ? &*ops : nullptr;
  r.platform->page().onOp = [log, out](const platform::Op& op) {
    if (log) log->push_back(op);
    if (out) out->write(op);
  };
  int shot = 0;
  if (!o.snapshotsDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(o.snapshotsDir, ec);
    if (ec) throw std::runtime_error(failed("cannot write", o.snapshotsDir, ec.message()));
  }
  r.device->onKeyTaken = [&o, &shot](platform::Page& page) {
    if (o.onKeyTaken) o.onKeyTaken(page);
    if (o.snapshotsDir.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "/%04d.png", ++shot);
    std::string file = o.snapshotsDir + name;
    if (!platform::writePng(page, file)) throw std::runtime_error(failed("cannot write", file, ""));
  };
  r.status = shell::RunProgram(*r.program);
  r.keysTaken = script->size() - r.device->remaining();
  r.device->onKeyTaken = nullptr;
  r.platform->page().onOp = nullptr;
  if (log) r.platform->page().onOp = [log](const platform::Op& op) { log->push_back(op); };
  if (ops) ops->close();
  if (!o.pngFile.empty() && !platform::writePng(r.platform->page(), o.pngFile))
    throw std::runtime_error(failed("cannot write", o.pngFile, ""));
  if (!o.takenFile.empty()) {
    std::ofstream taken(o.takenFile);
    taken << r.keysTaken << "\n";
    taken.close();
    if (!taken) throw std::runtime_error(failed("cannot write", o.takenFile, std::strerror(errno)));
  }
  return r;
}

namespace {

constexpr const char* kUsage =
    "usage: replay lunevar|pendrel|osvatine [--keys TEXT] [--keys-file FILE] [--time HH:MM:SS]\n"
    "              [--rnd X] [--ops FILE] [--png FILE] [--snapshots DIR] [--keys-taken FILE]\n"
    "Key script: each character is its key; {Enter} {Backspace} {Delete} {Left} {Right} {Up} {Down}\n"
    "{Esc} name theirs; {Idle} is a poll that finds no key; {Close} closes the window.\n";

int usage(const std::string& why) {
  std::cerr << "replay: " << why << "\n" << kUsage;
  return 2;
}

// An input that cannot be read, an output that cannot be written or a run out of memory: one
// line, status 1.
int failure(const std::string& why) {
  std::cerr << "replay: " << why << "\n";
  return 1;
}

// Far above any real key script, and small enough that an endless input (a device, a pipe
// that never closes) ends the run with a message instead of exhausting the memory.
constexpr size_t kKeyFileLimit = size_t{64} << 20;

// The whole of a key file; nothing when it cannot be read (missing, a folder, a read error) or
// holds more than the limit.
std::optional<std::string> readKeyFile(const std::string& path, std::string& why) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    why = std::strerror(errno);
    return std::nullopt;
  }
  std::string text;
  char buf[65536];
  size_t n;
  while (text.size() <= kKeyFileLimit && (n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  if (std::ferror(f)) why = std::strerror(errno);
  else if (text.size() > kKeyFileLimit) why = "longer than " + std::to_string(kKeyFileLimit >> 20) + " MB";
  std::fclose(f);
  if (!why.empty()) return std::nullopt;
  return text;
}

bool namesAFile(const std::string& option) {
  return option == "--keys-file" || option == "--ops" || option == "--png" || option == "--snapshots" ||
         option == "--keys-taken";
}

int mainOf(int argc, char** argv) {
  if (argc < 2) return usage("no program named");
  if (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << kUsage;
    return 0;
  }
  Options o;
  o.keepLog = false;  // the log goes to --ops as it is drawn; only the page is kept
  o.program = argv[1];
  if (o.program != "lunevar" && o.program != "pendrel" && o.program != "osvatine")
    return usage("unknown program " + o.program);
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return usage("missing value after " + a);
    std::string val = argv[++i];
    // An empty name would have the output silently left out, or the run read no file.
    if (namesAFile(a) && val.empty()) return usage(a + " wants a name");
    if (a == "--keys") o.keys += val;
    else if (a == "--keys-file") {
      std::string why;
      auto text = readKeyFile(val, why);
      if (!text) return failure(failed("cannot read", val, why));
      o.keys += *text;
    } else if (a == "--time") {
      if (!std::regex_match(val, std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"))) return usage("bad time " + val);
      o.time = val;
    } else if (a == "--rnd") {
      char* end = nullptr;
      float x = std::strtof(val.c_str(), &end);
      if (end == val.c_str() || *end || !(x >= 0 && x < 1)) return usage("--rnd wants a number in [0,1)");
      o.rnd = x;
    } else if (a == "--ops") o.opsFile = val;
    else if (a == "--png") o.pngFile = val;
    else if (a == "--snapshots") o.snapshotsDir = val;
    else if (a == "--keys-taken") o.takenFile = val;
    else return usage("unknown option " + a);
  }
  if (!platform::parseKeyScript(o.keys)) return usage("bad key script");
  return Run(o).status;
}

}  // namespace

int Main(int argc, char** argv) {
  // Every way a run can fail ends in one line and a status, never in an uncaught exception.
  try {
    return mainOf(argc, argv);
  } catch (const std::bad_alloc&) {
    return failure("out of memory");
  } catch (const std::exception& e) {
    return failure(e.what());
  } catch (...) {
    return failure("the run ended with an unknown error");
  }
}

}  // namespace replay
