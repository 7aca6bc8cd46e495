// Measures the time from starting a program to the first page it presents in its real window:
// started on the display named by DISPLAY (one with no other windows), its window is found and
// its picture sampled near the page's top-left corner until that pixel shows the page colour.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The first mapped window on the root with a size, if any.
Window MappedWindow(Display* d) {
  Window root = DefaultRootWindow(d), parent, *children = nullptr;
  unsigned n = 0;
  Window found = 0;
  if (!XQueryTree(d, root, &root, &parent, &children, &n)) return 0;
  for (unsigned i = 0; i < n && !found; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && a.width > 1) found = children[i];
  }
  if (children) XFree(children);
  return found;
}

// Whether the window shows the page colour (white) 5 page units in from the page's corner.
bool ShowsPage(Display* d, Window w) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a)) return false;
  double s = std::min(a.width / 1440.0, a.height / 900.0);
  int x = static_cast<int>((a.width - 1440 * s) / 2 + 5 * s), y = static_cast<int>((a.height - 900 * s) / 2 + 5 * s);
  XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!img) return false;
  unsigned long p = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  return (p & 0xFFFFFF) == 0xFFFFFF;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// One start: ms from fork to the first frame, or a negative number when none came in 10 s.
double OneRun(Display* d, char** argv) {
  double t0 = NowMs();
  pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv);
    _exit(127);
  }
  double found = -1;
  Window w = 0;
  while (NowMs() - t0 < 10000) {
    if (!w) w = MappedWindow(d);
    if (w && ShowsPage(d, w)) {
      found = NowMs() - t0;
      break;
    }
    usleep(200);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  // Let the server forget the window before the next start.
  for (int i = 0; i < 200 && MappedWindow(d); ++i) usleep(5000);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10, first = 1;
  if (argc > 2 && std::string_view(argv[1]) == "--runs") {
    runs = std::max(1, std::atoi(argv[2]));
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: bench_first_frame [--runs N] PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "bench_first_frame: no display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  std::vector<double> ms;
  for (int r = 0; r < runs; ++r) {
    double t = OneRun(d, argv + first);
    if (t < 0) {
      std::fprintf(stderr, "bench_first_frame: %s showed no page in 10 s\n", argv[first]);
      return 1;
    }
    ms.push_back(t);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%.1f ms median, %.1f min, %.1f max (%d starts)\n", ms[ms.size() / 2], ms.front(), ms.back(), runs);
}
