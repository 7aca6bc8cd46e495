// Test helper for the real-window test: closes a window as a window manager's close button
// does, and takes a window's picture, counting its dark pixels in a band from the top.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: x11probe close WINDOW\n"
               "       x11probe shot WINDOW FILE.png BAND\n"
               "         writes the picture; prints the dark pixels in the top BAND of the height, then below it\n");
  return 2;
}

// WM_DELETE_WINDOW, the message a window manager sends when the user clicks the close button.
int closeWindow(Display* d, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &e);
  XFlush(d);
  return 0;
}

int shot(Display* d, Window w, const char* file, double band) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a)) return 1;
  XImage* img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!img) return 1;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, a.width, a.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  long dark = 0, darkBelow = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      unsigned long p = XGetPixel(img, x, y);
      unsigned r = (p & img->red_mask) >> __builtin_ctzl(img->red_mask);
      unsigned g = (p & img->green_mask) >> __builtin_ctzl(img->green_mask);
      unsigned b = (p & img->blue_mask) >> __builtin_ctzl(img->blue_mask);
      reinterpret_cast<uint32_t*>(data + y * stride)[x] = (r << 16) | (g << 8) | b;
      if (r + g + b < 3 * 80) ++(y < a.height * band ? dark : darkBelow);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_surface_write_to_png(s, file);
  cairo_surface_destroy(s);
  XDestroyImage(img);
  std::printf("%ld %ld\n", dark, darkBelow);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "x11probe: no display\n");
    return 1;
  }
  Window w = std::strtoul(argv[2], nullptr, 0);
  std::string cmd = argv[1];
  int rc;
  if (cmd == "close" && argc == 3) rc = closeWindow(d, w);
  else if (cmd == "shot" && argc == 5) rc = shot(d, w, argv[3], std::atof(argv[4]));
  else rc = usage();
  XCloseDisplay(d);
  return rc;
}
