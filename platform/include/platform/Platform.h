// The platform the lessons stand on: drawing on the page with the current font and pen, keys,
// clock and random numbers. A Device (a real window or a replay script) supplies keys and shows.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Errors.h"
#include "platform/Page.h"
#include "platform/Random.h"

namespace platform {

class Device {
 public:
  virtual ~Device() = default;
  // Services the window and shows the page if it changed; returns the pending key, or nothing
  // (a window sleeps until its next event first). Throws ProgramExit when the window is closed.
  virtual std::optional<char> pollKey(Page& page) = 0;
  // Waits without spinning until the window is closed (then throws ProgramExit).
  virtual void idle(Page& page) = 0;
  // "hh:mm:ss"
  virtual std::string clockText() = 0;
  virtual void maximize() {}
  virtual void setTitle(const std::string&) {}
};

class Platform {
 public:
  explicit Platform(Device& d) : device_(d) {}

  // Drawing, in page units, with the current pen width; colours are palette numbers 0..15.
  void line(float x1, float y1, float x2, float y2, int colour);
  void box(float x1, float y1, float x2, float y2, int colour);
  void fillBox(float x1, float y1, float x2, float y2, int colour, int fill);
  // start, end: fractions of a turn clockwise from +x; 0 and 0 the whole circle.
  // fill: kNoFill, kFillLineColour or a palette number.
  void circle(float x, float y, float r, int colour, float start = 0, float end = 0, int fill = kNoFill);
  // 2 to 7 points joined in order, open unless the first point is repeated; filled if fill given.
  void polyline(const std::vector<std::pair<float, float>>& pts, int colour, int fill = kNoFill);
  void text(const std::string& s, float x, float y, float h, float v, int colour);
  void cls();

  // Font and pen state, kept until set again.
  void setFontName(const std::string& face) { font_.face = face; }
  void setFontSize(float size) { font_.size = size; }
  void setFontBold(bool on) { font_.bold = on; }
  void setFontItalic(bool on) { font_.italic = on; }
  void setDrawWidth(int w) { width_ = w; }
  int drawWidth() const { return width_; }
  const Font& font() const { return font_; }

  // Keys: "" when none is pending, else one character.
  std::string inkey();
  void idle() { device_.idle(page_); }
  [[noreturn]] void end() { throw ProgramExit{0}; }
  std::string timeText() { return device_.clockText(); }
  void randomize(int seed) { random_.seed(seed); }
  float rnd() { return random_.next(); }
  Random& random() { return random_; }
  void maximize() { device_.maximize(); }
  void setTitle(const std::string& t) { device_.setTitle(t); }

  Page& page() { return page_; }

 private:
  void add(Op op);
  Device& device_;
  Page page_;
  Random random_;
  Font font_;
  int width_ = 1;
};

}  // namespace platform
