// Measures the time from starting a program to the first page it presents in its real window:
// started on the display named by DISPLAY (one with no other windows), its window is found and
// its picture sampled near the page's top-left corner until that pixel shows the page colour.
// With --text it goes on to the first page with something on it: the page's whole picture is
// read until a pixel of it is not the page colour.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
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

bool IsPageColour(unsigned long pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }

// Where the page stands in the window (scaled to fit, its aspect kept, centred), `inset` pixels in
// from each edge; nothing when the window is gone or too small.
struct PixelBox {
  int x, y, w, h;
};
std::optional<PixelBox> PageInWindow(Display* d, Window w, int inset) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a)) return std::nullopt;
  double s = std::min(a.width / 1440.0, a.height / 900.0);
  PixelBox b{static_cast<int>((a.width - 1440 * s) / 2) + inset, static_cast<int>((a.height - 900 * s) / 2) + inset,
             static_cast<int>(1440 * s) - 2 * inset, static_cast<int>(900 * s) - 2 * inset};
  if (b.w <= 0 || b.h <= 0) return std::nullopt;
  return b;
}

// Whether the window shows the page colour (white) near the page's top-left corner.
bool ShowsPage(Display* d, Window w) {
  auto page = PageInWindow(d, w, 4);
  if (!page) return false;
  XImage* img = XGetImage(d, w, page->x, page->y, 1, 1, AllPlanes, ZPixmap);
  if (!img) return false;
  unsigned long p = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  return IsPageColour(p);
}

// Reads the page's picture in the window through shared memory (a plain read of a whole window
// takes the server tens of milliseconds, which would both delay and disturb what is measured).
class PageReader {
 public:
  explicit PageReader(Display* d) : d_(d) {}
  ~PageReader() { drop(); }
  // Whether any pixel of the page's picture, short of its edge, is other than the page colour.
  bool showsText(Window w) {
    auto page = PageInWindow(d_, w, 2);
    if (!page || !fit(page->w, page->h)) return false;
    if (!XShmGetImage(d_, w, img_, page->x, page->y, AllPlanes)) return false;
    for (int j = 0; j < page->h; ++j) {
      const auto* row = reinterpret_cast<const uint32_t*>(img_->data + j * img_->bytes_per_line);
      for (int i = 0; i < page->w; ++i)
        if (!IsPageColour(row[i])) return true;
    }
    return false;
  }

 private:
  bool fit(int w, int h) {
    if (img_ && img_->width == w && img_->height == h) return true;
    drop();
    img_ = XShmCreateImage(d_, DefaultVisual(d_, DefaultScreen(d_)), DefaultDepth(d_, DefaultScreen(d_)), ZPixmap,
                           nullptr, &shm_, w, h);
    if (!img_) return false;
    shm_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(img_->bytes_per_line) * h, IPC_CREAT | 0600);
    void* at = shm_.shmid < 0 ? reinterpret_cast<void*>(-1) : shmat(shm_.shmid, nullptr, 0);
    if (at == reinterpret_cast<void*>(-1)) {
      if (shm_.shmid >= 0) shmctl(shm_.shmid, IPC_RMID, nullptr);
      XDestroyImage(img_);
      img_ = nullptr;
      return false;
    }
    shm_.shmaddr = img_->data = static_cast<char*>(at);
    shm_.readOnly = False;
    XShmAttach(d_, &shm_);
    XSync(d_, False);
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    return true;
  }
  void drop() {
    if (!img_) return;
    XShmDetach(d_, &shm_);
    XDestroyImage(img_);
    shmdt(shm_.shmaddr);
    img_ = nullptr;
  }
  Display* d_;
  XImage* img_ = nullptr;
  XShmSegmentInfo shm_{};
};

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

struct Times {
  double page = -1, text = -1;  // ms from fork; negative when it did not come in 10 s
};

// One start: the first frame, and with `text` the first frame with something on the page.
Times OneRun(Display* d, PageReader& reader, char** argv, bool text) {
  double t0 = NowMs();
  pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv);
    _exit(127);
  }
  Times found;
  Window w = 0;
  while (NowMs() - t0 < 10000) {
    if (!w) w = MappedWindow(d);
    if (w && ShowsPage(d, w)) {
      found.page = NowMs() - t0;
      break;
    }
    usleep(200);
  }
  while (text && found.page >= 0 && NowMs() - t0 < 10000) {
    if (reader.showsText(w)) {
      found.text = NowMs() - t0;
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

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%s %.1f ms median, %.1f min, %.1f max", what, ms[ms.size() / 2], ms.front(), ms.back());
}

int main(int argc, char** argv) {
  int runs = 10, first = 1;
  bool text = false;
  for (;;) {
    if (argc > first + 1 && std::string_view(argv[first]) == "--runs") {
      runs = std::max(1, std::atoi(argv[first + 1]));
      first += 2;
    } else if (argc > first && std::string_view(argv[first]) == "--text") {
      text = true;
      ++first;
    } else {
      break;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: bench_first_frame [--runs N] [--text] PROGRAM [ARGS...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "bench_first_frame: no display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  PageReader reader(d);
  std::vector<double> page, withText;
  for (int r = 0; r < runs; ++r) {
    Times t = OneRun(d, reader, argv + first, text);
    if (t.page < 0 || (text && t.text < 0)) {
      std::fprintf(stderr, "bench_first_frame: %s showed no %s in 10 s\n", argv[first], t.page < 0 ? "page" : "text");
      return 1;
    }
    page.push_back(t.page);
    withText.push_back(t.text);
  }
  Report("page", page);
  if (text) Report(";  text", withText);
  std::printf(" (%d starts)\n", runs);
}
