// Replays a key script through a program on the recording page and writes what it drew.
#include "Replay.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "lunevar/Info.h"
#include "osvatine/Info.h"
#include "pendrel/Info.h"
#include "platform/Render.h"

namespace replay {

std::unique_ptr<shell::Program> MakeProgram(const std::string& name, platform::Platform& pf) {
  if (name == "lunevar") return lunevar::MakeProgram(pf);
  if (name == "pendrel") return pendrel::MakeProgram(pf);
  if (name == "osvatine") return osvatine::MakeProgram(pf);
  return nullptr;
}

Result Run(const Options& o) {
  auto script = platform::parseKeyScript(o.keys);
  if (!script) throw std::runtime_error("bad key script");
  Result r;
  r.device = std::make_unique<platform::ScriptDevice>(*script, o.time);
  r.platform = std::make_unique<platform::Platform>(*r.device);
  if (o.rnd) r.platform->random().fix(*o.rnd);
  r.program = MakeProgram(o.program, *r.platform);
  if (!r.program) throw std::runtime_error("unknown program: " + o.program);
  std::ofstream ops;
  if (!o.opsFile.empty()) {
    ops.open(o.opsFile);
    if (!ops) throw std::runtime_error("cannot write " + o.opsFile);
  }
  auto* log = &r.log;
  auto* out = o.opsFile.empty() ? nullptr : &ops;
  r.platform->page().onOp = [log, out](const platform::Op& op) {
    log->push_back(op);
    if (out) *out << platform::opToJson(op) << '\n';
  };
  int shot = 0;
  if (!o.snapshotsDir.empty()) {
    std::filesystem::create_directories(o.snapshotsDir);
    std::string dir = o.snapshotsDir;
    r.device->onKeyTaken = [dir, &shot](platform::Page& page) {
      char name[32];
      std::snprintf(name, sizeof name, "/%04d.png", ++shot);
      platform::writePng(page, dir + name);
    };
  }
  r.status = shell::RunProgram(*r.program);
  r.device->onKeyTaken = nullptr;
  r.platform->page().onOp = [log](const platform::Op& op) { log->push_back(op); };
  if (!o.pngFile.empty() && !platform::writePng(r.platform->page(), o.pngFile))
    throw std::runtime_error("cannot write " + o.pngFile);
  return r;
}

namespace {

constexpr const char* kUsage =
    "usage: replay lunevar|pendrel|osvatine [--keys TEXT] [--keys-file FILE] [--time HH:MM:SS]\n"
    "              [--rnd X] [--ops FILE] [--png FILE] [--snapshots DIR]\n"
    "Key script: each character is its key; {Enter} {Backspace} {Delete} {Left} {Right} {Up} {Down}\n"
    "{Esc} name theirs; {Idle} is a poll that finds no key; {Close} closes the window.\n";

int usage(const std::string& why) {
  std::cerr << "replay: " << why << "\n" << kUsage;
  return 2;
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc < 2) return usage("no program named");
  if (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << kUsage;
    return 0;
  }
  Options o;
  o.program = argv[1];
  if (o.program != "lunevar" && o.program != "pendrel" && o.program != "osvatine")
    return usage("unknown program " + o.program);
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 >= argc) return usage("missing value after " + a);
    std::string val = argv[++i];
    if (a == "--keys") o.keys += val;
    else if (a == "--keys-file") {
      std::ifstream f(val);
      if (!f) return usage("cannot read " + val);
      std::stringstream ss;
      ss << f.rdbuf();
      o.keys += ss.str();
    } else if (a == "--time") {
      if (!std::regex_match(val, std::regex("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"))) return usage("bad time " + val);
      o.time = val;
    } else if (a == "--rnd") {
      char* end = nullptr;
      float x = std::strtof(val.c_str(), &end);
      if (!end || *end || !(x >= 0 && x < 1)) return usage("--rnd wants a number in [0,1)");
      o.rnd = x;
    } else if (a == "--ops") o.opsFile = val;
    else if (a == "--png") o.pngFile = val;
    else if (a == "--snapshots") o.snapshotsDir = val;
    else return usage("unknown option " + a);
  }
  if (!platform::parseKeyScript(o.keys)) return usage("bad key script");
  try {
    return Run(o).status;
  } catch (const std::exception& e) {
    std::cerr << "replay: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace replay
