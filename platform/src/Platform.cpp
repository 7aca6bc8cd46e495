// Drawing operations with their rules (what the circle's ends and fill mean, what is an error),
// and the key poll.
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>

#include "platform/Errors.h"
#include "platform/Render.h"
#include "platform/Strings.h"

namespace platform {

namespace {

void finite(std::initializer_list<float> vs) {
  for (float v : vs)
    if (!std::isfinite(v)) raise(IllegalFunctionCall);
}

void checkColour(int c) {
  if (c < 0 || c > 15) raise(IllegalFunctionCall);
}

int resolveFill(int fill, int colour) {
  if (fill == kNoFill) return kNoFill;
  if (fill == kFillLineColour) return colour;
  checkColour(fill);
  return fill;
}

float half(int width) { return std::max(1, width) / 2.0f + 1; }

}  // namespace

void Platform::add(Op op) {
  op.width = width_;
  op.font = font_;
  page_.add(std::move(op));
}

void Platform::line(float x1, float y1, float x2, float y2, int colour) {
  finite({x1, y1, x2, y2});
  checkColour(colour);
  Op o;
  o.kind = OpKind::Line;
  o.x1 = x1; o.y1 = y1; o.x2 = x2; o.y2 = y2;
  o.colour = colour;
  float w = half(width_);
  o.bx1 = std::min(x1, x2) - w; o.by1 = std::min(y1, y2) - w;
  o.bx2 = std::max(x1, x2) + w; o.by2 = std::max(y1, y2) + w;
  add(std::move(o));
}

void Platform::box(float x1, float y1, float x2, float y2, int colour) { fillBox(x1, y1, x2, y2, colour, kNoFill); }

void Platform::fillBox(float x1, float y1, float x2, float y2, int colour, int fill) {
  finite({x1, y1, x2, y2});
  checkColour(colour);
  Op o;
  o.kind = OpKind::Box;
  o.x1 = x1; o.y1 = y1; o.x2 = x2; o.y2 = y2;
  o.colour = colour;
  o.fill = resolveFill(fill, colour);
  float w = half(width_);
  o.bx1 = std::min(x1, x2) - w; o.by1 = std::min(y1, y2) - w;
  o.bx2 = std::max(x1, x2) + w; o.by2 = std::max(y1, y2) + w;
  add(std::move(o));
}

void Platform::circle(float x, float y, float r, int colour, float start, float end, int fill) {
  finite({x, y, r, start, end});
  checkColour(colour);
  if (r <= 0) return;
  bool whole = start == 0 && end == 0;
  if (!whole && start == end) return;  // an arc of no length
  Op o;
  o.kind = OpKind::Circle;
  o.x1 = x; o.y1 = y; o.r = r;
  if (!whole) {
    float s = start - std::floor(start), e = end - std::floor(end);
    if (s == e) s = e = 0;  // a full turn between the ends
    start = s; end = e;
  }
  o.start = start; o.end = end;
  o.colour = colour;
  o.fill = resolveFill(fill, colour);
  float w = half(width_);
  o.bx1 = x - r - w; o.by1 = y - r - w; o.bx2 = x + r + w; o.by2 = y + r + w;
  add(std::move(o));
}

void Platform::polyline(const std::vector<std::pair<float, float>>& pts, int colour, int fill) {
  if (pts.size() < 2 || pts.size() > 7) raise(IllegalFunctionCall);
  checkColour(colour);
  Op o;
  o.kind = OpKind::Polyline;
  o.points = pts;
  o.colour = colour;
  o.fill = resolveFill(fill, colour);
  o.bx1 = o.by1 = 1e30f; o.bx2 = o.by2 = -1e30f;
  float w = half(width_);
  for (auto [px, py] : pts) {
    finite({px, py});
    o.bx1 = std::min(o.bx1, px - w); o.by1 = std::min(o.by1, py - w);
    o.bx2 = std::max(o.bx2, px + w); o.by2 = std::max(o.by2, py + w);
  }
  add(std::move(o));
}

void Platform::text(const std::string& s, float x, float y, float h, float v, int colour) {
  finite({x, y, h, v});
  checkColour(colour);
  Op o;
  o.kind = OpKind::Text;
  o.text = joinHalves(s);
  o.x1 = x; o.y1 = y; o.h = h; o.v = v;
  o.colour = colour;
  o.width = width_;
  o.font = font_;
  // Text far below the page is how the lessons measure; it is never seen, so skip the fonts.
  if (y >= kPageHeight + 200 || o.text.empty()) {
    o.bx1 = o.ix1 = x; o.by1 = o.iy1 = y; o.bx2 = o.ix2 = x; o.by2 = o.iy2 = y;
  } else {
    auto [b, ink] = textBoxes(o);
    o.bx1 = b[0]; o.by1 = b[1]; o.bx2 = b[2]; o.by2 = b[3];
    o.ix1 = ink[0]; o.iy1 = ink[1]; o.ix2 = ink[2]; o.iy2 = ink[3];
  }
  page_.add(std::move(o));
}

void Platform::cls() {
  Op o;
  o.kind = OpKind::Cls;
  page_.add(std::move(o));
}

std::string Platform::inkey() {
  auto k = device_.pollKey(page_);
  if (!k) return "";
  return std::string(1, *k);
}

}  // namespace platform
