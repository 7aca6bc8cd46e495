// The retained list of operations, kept short: a later opaque box hides what lies wholly
// under it, and nothing drawn wholly outside the visible page is kept.
#include "platform/Page.h"

#include <algorithm>

#include "platform/Render.h"

namespace platform {

namespace {

float penRadius(const Op& o) { return o.kind == OpKind::Text ? 0 : std::max(1, o.width) / 2.0f; }

// The shape an operation's pen follows (corners, ends, points, the circle's square); for text,
// the box its glyphs may draw in.
void skeleton(const Op& o, float& x1, float& y1, float& x2, float& y2) {
  switch (o.kind) {
    case OpKind::Line:
    case OpKind::Box:
      x1 = std::min(o.x1, o.x2); x2 = std::max(o.x1, o.x2);
      y1 = std::min(o.y1, o.y2); y2 = std::max(o.y1, o.y2);
      return;
    case OpKind::Circle:
      x1 = o.x1 - o.r; x2 = o.x1 + o.r; y1 = o.y1 - o.r; y2 = o.y1 + o.r;
      return;
    case OpKind::Polyline:
      x1 = y1 = 1e30f; x2 = y2 = -1e30f;
      for (auto [px, py] : o.points) {
        x1 = std::min(x1, px); y1 = std::min(y1, py); x2 = std::max(x2, px); y2 = std::max(y2, py);
      }
      return;
    default:
      x1 = o.bx1; y1 = o.by1; x2 = o.bx2; y2 = o.by2;
      return;
  }
}

// A filled box paints its rectangle and, with its outline, everything within its pen's radius
// of it. An earlier shape whose pen path lies in the rectangle, drawn with a pen no wider, is
// wholly under it (so a box drawn again over itself hides the first one).
bool hiddenByBox(const Op& earlier, const Op& box, float x1, float y1, float x2, float y2) {
  if (earlier.bx1 >= x1 && earlier.by1 >= y1 && earlier.bx2 <= x2 && earlier.by2 <= y2) return true;
  float pe = penRadius(earlier), pb = penRadius(box);
  float sx1, sy1, sx2, sy2;
  skeleton(earlier, sx1, sy1, sx2, sy2);
  if (earlier.kind == OpKind::Text) {
    // Glyph boxes are square-cornered: they fit within the rectangle grown by the pen only
    // along the sides, so allow them no more than the rectangle itself grown by half the pen.
    float g = pb / 2;
    if (sx1 >= x1 - g && sy1 >= y1 - g && sx2 <= x2 + g && sy2 <= y2 + g) return true;
    // The kept box is generous (layout and ink, and a margin); a glyph just over an edge of the
    // erase, such as a label on top of a figure, is judged by its ink alone.
    const float near = 8;
    if (sx1 < x1 - near || sy1 < y1 - near || sx2 > x2 + near || sy2 > y2 + near) return false;
    auto ink = textInk(earlier);
    const float aa = 0.5f;
    return ink[0] - aa >= x1 - g && ink[1] - aa >= y1 - g && ink[2] + aa <= x2 + g && ink[3] + aa <= y2 + g;
  }
  return pe <= pb && sx1 >= x1 && sy1 >= y1 && sx2 <= x2 && sy2 <= y2;
}

bool offPage(const Op& o) {
  return o.bx2 < 0 || o.by2 < 0 || o.bx1 > kPageWidth || o.by1 > kPageHeight;
}

// The region an operation paints opaquely, for what it hides: a filled box's rectangle (its
// outline's rounded corners are not counted), or, for a filled whole disc, earlier circles
// with the same centre inside it (the cursor's blink). Returns false when it hides nothing.
bool opaqueRect(const Op& o, float& x1, float& y1, float& x2, float& y2) {
  if (o.kind == OpKind::Box && o.fill != kNoFill) {
    x1 = std::min(o.x1, o.x2); x2 = std::max(o.x1, o.x2);
    y1 = std::min(o.y1, o.y2); y2 = std::max(o.y1, o.y2);
    return true;
  }
  if (o.kind == OpKind::Circle && o.fill != kNoFill && o.start == 0 && o.end == 0) {
    x1 = o.x1 - o.r; y1 = o.y1 - o.r; x2 = o.x1 + o.r; y2 = o.y1 + o.r;
    return true;
  }
  return false;
}

bool hiddenByDisc(const Op& earlier, const Op& disc) {
  if (earlier.kind != OpKind::Circle) return false;
  if (earlier.x1 != disc.x1 || earlier.y1 != disc.y1) return false;
  // The disc's fill and outline together cover everything out to the outline's outer edge.
  float rd = disc.r + std::max(1, disc.width) / 2.0f;
  return earlier.r + std::max(1, earlier.width) / 2.0f <= rd;
}

}  // namespace

void Page::add(Op op) {
  if (onOp) onOp(op);
  ++version_;
  if (op.kind == OpKind::Cls) { clear(); return; }
  if (offPage(op)) return;
  float x1, y1, x2, y2;
  if (opaqueRect(op, x1, y1, x2, y2)) {
    bool isDisc = op.kind == OpKind::Circle;
    size_t keep = 0, hiddenShown = 0;
    for (size_t i = 0; i < ops_.size(); ++i) {
      bool hidden = isDisc ? hiddenByDisc(ops_[i], op) : hiddenByBox(ops_[i], op, x1, y1, x2, y2);
      // Painting the new operation over the shown page gives the same picture, so a hidden
      // operation leaves the viewer's incremental drawing valid.
      if (hidden) {
        if (i < firstNew_) ++hiddenShown;
        continue;
      }
      if (keep != i) ops_[keep] = std::move(ops_[i]);
      ++keep;
    }
    firstNew_ -= hiddenShown;
    ops_.resize(keep);
  }
  ops_.push_back(std::move(op));
}

void Page::clear() {
  ops_.clear();
  firstNew_ = 0;
  pruned_ = true;
  ++version_;
}

}  // namespace platform
