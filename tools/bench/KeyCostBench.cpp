// Measures the CPU each key of every recorded screen costs with no window: from taking a key to
// asking for the next one, the best of several runs, and the slowest key of each screen.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Replay.h"

namespace {

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Screen {
  std::string name;
  replay::Options options;
};

// The rows of the screen list: name, program, clock[,rnd=X], key script.
std::vector<Screen> ReadScreens(const std::string& path) {
  std::ifstream in(path);
  std::vector<Screen> out;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    Screen s;
    std::string setting;
    if (!(row >> s.name) || s.name[0] == '#') continue;
    row >> s.options.program >> setting >> s.options.keys;
    s.options.time = setting.substr(0, setting.find(','));
    if (auto at = setting.find(",rnd="); at != std::string::npos) s.options.rnd = std::stof(setting.substr(at + 5));
    s.options.keepLog = false;
    out.push_back(std::move(s));
  }
  return out;
}

// CPU of each key of one run: the first entry is start-up to the first key request.
std::vector<double> KeyCosts(replay::Options o) {
  std::vector<double> costs;
  double from = ThreadCpuMs();
  o.onKeyTaken = [&](platform::Page&) {
    double now = ThreadCpuMs();
    costs.push_back(now - from);
    from = now;
  };
  replay::Run(o);
  costs.push_back(ThreadCpuMs() - from);
  return costs;
}

}  // namespace

int main(int argc, char** argv) {
  std::string list = "tests/golden/screens.txt";
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--screens" && i + 1 < argc) list = argv[++i];
    else if (a == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    else {
      std::fprintf(stderr, "usage: bench_keys [--screens FILE] [--runs N]\n");
      return 2;
    }
  }
  auto screens = ReadScreens(list);
  if (screens.empty()) {
    std::fprintf(stderr, "bench_keys: no screens in %s\n", list.c_str());
    return 1;
  }
  KeyCosts(screens.front().options);  // fonts and caches loaded once, as in a running program
  std::vector<double> all;
  double worst = 0;
  std::string worstName;
  for (const Screen& s : screens) {
    std::vector<double> best;
    for (int r = 0; r < runs; ++r) {
      auto c = KeyCosts(s.options);
      if (best.empty()) best = c;
      for (size_t k = 0; k < std::min(best.size(), c.size()); ++k) best[k] = std::min(best[k], c[k]);
    }
    // The first entry is the program's start, not a key.
    auto slowest = std::max_element(best.begin() + 1, best.end());
    if (slowest == best.end()) continue;
    size_t key = static_cast<size_t>(slowest - best.begin());
    std::printf("%-40s keys %3zu  slowest %.3f ms (key %zu)\n", s.name.c_str(), best.size() - 1, *slowest, key);
    all.insert(all.end(), best.begin() + 1, best.end());
    if (*slowest > worst) {
      worst = *slowest;
      worstName = s.name;
    }
  }
  std::sort(all.begin(), all.end());
  std::printf("keys: %zu, median %.4f ms, slowest %.3f ms (%s)\n", all.size(), all[all.size() / 2], worst,
              worstName.c_str());
}
