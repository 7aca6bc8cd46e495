// Measures Lunevar's interactive figure: the time from an arrow key to the redrawn page, on the
// recording page or in the real window, and how memory, speed and the page's length hold up
// over a long run.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "lunevar/Info.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Window.h"

namespace {

using Clock = std::chrono::steady_clock;

// Item 1, the goal screen's key, the introductory figure's four keys, choice 1.
const std::string kToExplorer = "1\r" "abcde" "1\r";

// A round of 200 arrow keys that visits every case and both clamps of P and of B, and ends
// where it began; 1000 keys are five whole rounds, so runs of 1000 keys compare like with like.
std::vector<char> ArrowRound() {
  std::vector<char> keys;
  auto add = [&](char k, int n) { keys.insert(keys.end(), n, k); };
  add(29, 10);  // P on to 360 and held there
  add(28, 40);  // P back through B to 0 and held there
  add(29, 28);  // P back to the start
  add(31, 33);  // B on to 360 and held there
  add(30, 40);  // B back to 0 and held there
  add(31, 7);   // B back to the start
  for (int i = 0; i < 21; ++i) keys.insert(keys.end(), {29, 28});  // P one step on and back
  return keys;
}

long RssKb() {
  std::ifstream f("/proc/self/status");
  std::string line;
  while (std::getline(f, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

double MedianMs(std::vector<double> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// Hands the program its keys and times each arrow key until the program asks for the next key
// (the recording page is then redrawn) or, with a window, until the window shows that page.
class TimingDevice : public platform::Device {
 public:
  TimingDevice(std::vector<char> keys, size_t firstTimed, platform::WindowDevice* window)
      : keys_(std::move(keys)), firstTimed_(firstTimed), window_(window) {}

  std::optional<char> pollKey(platform::Page& page) override {
    if (window_) {
      // The window shows a changed page before it waits for events; the ticker's events end
      // that wait at once, so the call returns as soon as the page is on the screen.
      ticking_ = true;
      window_->pollKey(page);
      ticking_ = false;
    }
    auto now = Clock::now();
    if (timing_) times_.push_back(std::chrono::duration<double, std::milli>(now - keyAt_).count());
    if (next_ == firstTimed_) rssStart_ = RssKb();
    if (next_ >= keys_.size()) {
      rssEnd_ = RssKb();
      throw platform::ProgramExit{0};
    }
    timing_ = next_ >= firstTimed_;
    keyAt_ = Clock::now();
    return keys_[next_++];
  }
  void idle(platform::Page&) override { throw platform::ProgramExit{0}; }
  std::string clockText() override { return "12:00:00"; }

  std::atomic<bool> ticking_{false};
  std::vector<double> times_;
  long rssStart_ = 0, rssEnd_ = 0;

 private:
  std::vector<char> keys_;
  size_t firstTimed_;
  platform::WindowDevice* window_;
  size_t next_ = 0;
  bool timing_ = false;
  Clock::time_point keyAt_;
};

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Hands the figure arrow keys from a fixed generator (every key, in no set order) and notes the
// CPU time and the page's kept operations over the first and the last `window` of them.
class SoakDevice : public platform::Device {
 public:
  SoakDevice(size_t arrows, size_t window) : arrows_(arrows), window_(window) {}

  std::optional<char> pollKey(platform::Page& page) override {
    size_t lead = kToExplorer.size();
    if (next_ < lead) return kToExplorer[next_++];
    size_t n = next_ - lead;
    if (n == window_) {
      firstCpuMs = CpuMs() - cpuFrom_;
      firstOps = page.ops().size();
    }
    if (n == 0 || n == arrows_ - window_) cpuFrom_ = CpuMs();
    if (n == arrows_) {
      lastCpuMs = CpuMs() - cpuFrom_;
      lastOps = page.ops().size();
      throw platform::ProgramExit{0};
    }
    ++next_;
    x_ = x_ * 1664525u + 1013904223u;
    static const char arrows[] = {29, 28, 30, 31};
    return arrows[x_ >> 30];
  }
  void idle(platform::Page&) override { throw platform::ProgramExit{0}; }
  std::string clockText() override { return "12:00:00"; }

  double firstCpuMs = 0, lastCpuMs = 0;
  size_t firstOps = 0, lastOps = 0;

 private:
  size_t arrows_, window_, next_ = 0;
  uint32_t x_ = 12345;
  double cpuFrom_ = 0;
};

int Soak(int arrows) {
  size_t window = std::min<size_t>(10000, arrows / 2);
  SoakDevice device(arrows, window);
  platform::Platform pf(device);
  auto program = lunevar::MakeProgram(pf);
  int status = shell::RunProgram(*program);
  std::printf("random arrow keys: %d, compared over the first and last %zu\n", arrows, window);
  std::printf("kept page operations: %zu after the first, %zu after the last\n", device.firstOps, device.lastOps);
  std::printf("CPU per key: %.3f ms in the first, %.3f ms in the last (last/first %.2f)\n",
              device.firstCpuMs / window, device.lastCpuMs / window, device.lastCpuMs / device.firstCpuMs);
  return status;
}

int Run(bool inWindow, int arrows) {
  std::vector<char> keys(kToExplorer.begin(), kToExplorer.end());
  size_t firstTimed = keys.size();
  std::vector<char> round = ArrowRound();
  for (int i = 0; i < arrows; ++i) keys.push_back(round[i % round.size()]);

  std::unique_ptr<platform::WindowDevice> window;
  if (inWindow) window = std::make_unique<platform::WindowDevice>("Lunevar bench");
  TimingDevice device(keys, firstTimed, window.get());
  std::atomic<bool> stop{false};
  std::thread ticker;
  if (inWindow) {
    ticker = std::thread([&] {
      while (!stop) {
        if (device.ticking_) {
          SDL_Event e;
          std::memset(&e, 0, sizeof e);
          e.type = SDL_USEREVENT;
          SDL_PushEvent(&e);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      }
    });
  }
  platform::Platform pf(device);
  auto program = lunevar::MakeProgram(pf);
  int status = shell::RunProgram(*program);
  stop = true;
  if (ticker.joinable()) ticker.join();

  const auto& t = device.times_;
  size_t n = t.size(), k = std::min<size_t>(1000, n / 2);
  std::printf("device: %s\narrow keys timed: %zu\n", inWindow ? "window" : "recording page", n);
  std::printf("median, arrow key to redrawn page: %.3f ms\n", MedianMs(t));
  if (k > 0) {
    std::printf("median of the first %zu: %.3f ms\n", k, MedianMs({t.begin(), t.begin() + k}));
    std::printf("median of the last %zu: %.3f ms\n", k, MedianMs({t.end() - k, t.end()}));
  }
  std::printf("memory growth: %.2f MB (RSS %ld kB -> %ld kB)\n", (device.rssEnd_ - device.rssStart_) / 1024.0,
              device.rssStart_, device.rssEnd_);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  bool inWindow = false, soak = false;
  int arrows = 2000;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--window") inWindow = true;
    else if (a == "--soak") soak = true;
    else if (a == "--keys" && i + 1 < argc) arrows = std::max(2, std::atoi(argv[++i]));
    else {
      std::fprintf(stderr, "usage: bench_explorer [--window | --soak] [--keys N]\n");
      return 2;
    }
  }
  try {
    if (soak) return Soak(arrows);
    return Run(inWindow, arrows);
  } catch (const platform::ProgramExit& x) {
    return x.status;
  }
}
