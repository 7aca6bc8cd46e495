// The retained list of operations, kept short: a later opaque box hides what lies wholly
// under it, an operation drawn again replaces its earlier copy, and nothing drawn wholly
// outside the visible page is kept.
#include "platform/Page.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// How far a point lies outside the rectangle (0 inside it).
float distanceOutside(float px, float py, float x1, float y1, float x2, float y2) {
  float dx = std::max({x1 - px, 0.0f, px - x2}), dy = std::max({y1 - py, 0.0f, py - y2});
  return std::hypot(dx, dy);
}

// A filled box paints its rectangle and, with its outline, everything within its pen's radius
// of it (the round join rounds the corners). An earlier shape whose pen path lies in the
// rectangle, drawn with a pen no wider, is wholly under it (so a box drawn again over itself
// hides the first one); a text is under it when its ink is.
bool hiddenByBox(const Op& earlier, const Op& box, float x1, float y1, float x2, float y2) {
  if (earlier.bx1 >= x1 && earlier.by1 >= y1 && earlier.bx2 <= x2 && earlier.by2 <= y2) return true;
  float pb = penRadius(box);
  if (earlier.kind == OpKind::Text) {
    if (earlier.ix1 < x1 - pb || earlier.iy1 < y1 - pb || earlier.ix2 > x2 + pb || earlier.iy2 > y2 + pb) return false;
    // Both edges are antialiased: the glyphs' ink may tint half a unit beyond its box, and the
    // outline paints fully only to half a unit inside its reach. The reach is convex, so the
    // ink is under it when all four corners are.
    const float aa = 0.5f, reach = pb - aa;
    float ix1 = earlier.ix1 - aa, iy1 = earlier.iy1 - aa, ix2 = earlier.ix2 + aa, iy2 = earlier.iy2 + aa;
    for (auto [px, py] : {std::pair{ix1, iy1}, {ix2, iy1}, {ix1, iy2}, {ix2, iy2}})
      if (distanceOutside(px, py, x1, y1, x2, y2) > reach) return false;
    return true;
  }
  // The area of a shape under the box lies within its pen path grown by a pen no wider, and 1.
  if (earlier.bx1 < x1 - pb - 1 || earlier.by1 < y1 - pb - 1 || earlier.bx2 > x2 + pb + 1 || earlier.by2 > y2 + pb + 1)
    return false;
  float sx1, sy1, sx2, sy2;
  skeleton(earlier, sx1, sy1, sx2, sy2);
  return penRadius(earlier) <= pb && sx1 >= x1 && sy1 >= y1 && sx2 <= x2 && sy2 <= y2;
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

// A digest of what an operation draws: equal for operations that paint the same pixels in the
// same colours (and, rarely, for others, which sameDrawing tells apart). A text's font counts.
uint64_t drawingKey(const Op& o) {
  uint64_t h = 1469598103934665603ULL;
  auto bytes = [&h](const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ULL;
  };
  float f[] = {o.x1, o.y1, o.x2, o.y2, o.r, o.start, o.end, o.h, o.v};
  int n[] = {static_cast<int>(o.kind), o.colour, o.fill, o.width};
  bytes(f, sizeof f);
  bytes(n, sizeof n);
  if (!o.points.empty()) bytes(o.points.data(), o.points.size() * sizeof o.points[0]);
  bytes(o.text.data(), o.text.size());
  if (o.kind == OpKind::Text) {
    bytes(o.font.face.data(), o.font.face.size());
    bool style[] = {o.font.bold, o.font.italic};
    bytes(&o.font.size, sizeof o.font.size);
    bytes(style, sizeof style);
  }
  return h;
}

// Whether two operations paint the same pixels in the same colours.
bool sameDrawing(const Op& a, const Op& b) {
  return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.r == b.r &&
         a.start == b.start && a.end == b.end && a.colour == b.colour && a.fill == b.fill && a.width == b.width &&
         a.h == b.h && a.v == b.v && a.points == b.points && a.text == b.text &&
         (a.kind != OpKind::Text || a.font == b.font);
}

// Room for the longest page the lessons draw, taken once so that a heavy screen's first visit
// does not move the page about as it grows.
constexpr size_t kReservedOps = 8192;
// How many shown operations a blink may take away and draw again before the viewer just redraws.
constexpr size_t kShownTailLimit = 64;
// Dropped operations are taken out of the list once they are this many and outnumber the kept.
constexpr size_t kCompactAfter = 256;

// Circles are found by their centre; -0 and 0 are one centre.
uint64_t centreKey(const Op& o) {
  float c[] = {o.x1 + 0.0f, o.y1 + 0.0f};
  uint64_t k;
  std::memcpy(&k, c, sizeof k);
  return k;
}

void eraseEntry(std::unordered_multimap<uint64_t, uint64_t>& index, uint64_t key, uint64_t seq) {
  auto [from, to] = index.equal_range(key);
  for (auto it = from; it != to; ++it) {
    if (it->second != seq) continue;
    index.erase(it);
    return;
  }
}

}  // namespace

Page::Page() {
  ops_.reserve(kReservedOps);
  seqs_.reserve(kReservedOps);
  keys_.reserve(kReservedOps);
  dropped_.reserve(kReservedOps);
  byKey_.reserve(kReservedOps);
  circlesByCentre_.reserve(kReservedOps);
}

size_t Page::at(uint64_t seq) const {
  return static_cast<size_t>(std::lower_bound(seqs_.begin(), seqs_.end(), seq) - seqs_.begin());
}

void Page::drop(size_t i) {
  dropped_[i] = 1;
  ++droppedCount_;
  eraseEntry(byKey_, keys_[i], seqs_[i]);
  if (ops_[i].kind == OpKind::Circle) eraseEntry(circlesByCentre_, centreKey(ops_[i]), seqs_[i]);
  if (seqs_[i] >= firstNewSeq_ || !shownTailOnly_) return;
  // A shown operation: the picture can still be as shown only if none shown after it is kept.
  size_t steps = 0;
  for (size_t j = i + 1; j < seqs_.size() && seqs_[j] < firstNewSeq_; ++j) {
    if (!dropped_[j] || ++steps > kShownTailLimit) {
      shownTailOnly_ = false;
      return;
    }
  }
  if (droppedShown_.size() >= kShownTailLimit) shownTailOnly_ = false;
  else droppedShown_.push_back({seqs_[i], keys_[i]});
}

void Page::compact() const {
  size_t keep = 0;
  for (size_t i = 0; i < ops_.size(); ++i) {
    if (dropped_[i]) continue;
    if (keep != i) {
      ops_[keep] = std::move(ops_[i]);
      seqs_[keep] = seqs_[i];
      keys_[keep] = keys_[i];
      dropped_[keep] = 0;
    }
    ++keep;
  }
  ops_.resize(keep);
  seqs_.resize(keep);
  keys_.resize(keep);
  dropped_.resize(keep);
  droppedCount_ = 0;
}

void Page::add(Op op) {
  if (onOp) onOp(op);
  ++version_;
  if (op.kind == OpKind::Cls) { clear(); return; }
  if (offPage(op)) return;
  float x1, y1, x2, y2;
  if (opaqueRect(op, x1, y1, x2, y2)) {
    if (op.kind == OpKind::Circle) {
      std::vector<uint64_t> hidden;
      auto [from, to] = circlesByCentre_.equal_range(centreKey(op));
      for (auto it = from; it != to; ++it)
        if (hiddenByDisc(ops_[at(it->second)], op)) hidden.push_back(it->second);
      for (uint64_t seq : hidden) drop(at(seq));
    } else {
      for (size_t i = 0; i < ops_.size(); ++i)
        if (!dropped_[i] && hiddenByBox(ops_[i], op, x1, y1, x2, y2)) drop(i);
    }
  }
  // Drawn again exactly as before, an operation paints its earlier copy's pixels over whatever
  // was drawn between: that copy shows nowhere, so a screen drawn again leaves the page as long.
  // No two kept operations draw the same, so there is at most one such copy.
  uint64_t key = drawingKey(op);
  auto [from, to] = byKey_.equal_range(key);
  for (auto it = from; it != to; ++it) {
    size_t i = at(it->second);
    if (!sameDrawing(ops_[i], op)) continue;
    drop(i);
    break;
  }
  uint64_t seq = nextSeq_++;
  if (op.kind == OpKind::Circle) circlesByCentre_.emplace(centreKey(op), seq);
  byKey_.emplace(key, seq);
  ops_.push_back(std::move(op));
  seqs_.push_back(seq);
  keys_.push_back(key);
  dropped_.push_back(0);
  if (droppedCount_ > kCompactAfter && droppedCount_ * 2 > ops_.size()) compact();
}

void Page::clear() {
  ops_.clear();
  seqs_.clear();
  keys_.clear();
  dropped_.clear();
  droppedCount_ = 0;
  byKey_.clear();
  circlesByCentre_.clear();
  firstNewSeq_ = nextSeq_;
  droppedShown_.clear();
  shownTailOnly_ = true;
  pruned_ = true;
  ++version_;
}

const std::vector<Op>& Page::ops() const {
  if (droppedCount_ > 0) compact();
  return ops_;
}

size_t Page::firstNew() const {
  if (droppedCount_ > 0) compact();
  return at(firstNewSeq_);
}

bool Page::looksAsShown() const {
  if (pruned_ || !shownTailOnly_) return false;
  auto gone = droppedShown_;
  std::sort(gone.begin(), gone.end());
  size_t k = 0;
  for (size_t i = at(firstNewSeq_); i < ops_.size(); ++i) {
    if (dropped_[i]) continue;
    if (k == gone.size() || keys_[i] != gone[k].second) return false;
    ++k;
  }
  return k == gone.size();
}

void Page::markShown() {
  firstNewSeq_ = nextSeq_;
  pruned_ = false;
  droppedShown_.clear();
  shownTailOnly_ = true;
}

}  // namespace platform
