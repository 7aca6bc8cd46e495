// The retained page: every drawing operation in page units with the colour, width and font it
// was drawn with. Operations hidden under a later opaque box, or outside the page, are dropped.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

constexpr float kPageWidth = 1440;
constexpr float kPageHeight = 900;
constexpr int kPageColour = 15;

// Fill argument of the shapes: not filled, or filled in the line colour, or a palette number.
constexpr int kNoFill = -2;
constexpr int kFillLineColour = -1;

struct Font {
  std::string face = "ｺﾞｼｯｸ";
  float size = 16;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

enum class OpKind { Line, Box, Circle, Polyline, Text, Cls };

struct Op {
  OpKind kind = OpKind::Line;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line and box ends; circle centre in x1,y1
  float r = 0, start = 0, end = 0;       // circle
  std::vector<std::pair<float, float>> points;  // polyline
  std::string text;                      // text, top-left corner at x1,y1
  float h = 1, v = 1;                    // text magnification
  Font font;
  int colour = 0;
  int fill = kNoFill;  // colour actually used for the fill, or kNoFill
  int width = 1;
  // Area the operation may touch, in page units (ink plus pen).
  float bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
  // Text: the box its glyphs' ink covers, measured once when drawn (what a later erase covers).
  float ix1 = 0, iy1 = 0, ix2 = 0, iy2 = 0;
};

class Page {
 public:
  Page();
  // Every operation added, in order (for the replay tool's log); may be left unset.
  std::function<void(const Op&)> onOp;

  void add(Op op);
  void clear();
  // The kept operations, in the order they were drawn.
  const std::vector<Op>& ops() const;
  // Counts changes, so a viewer can tell whether it has shown the latest page.
  unsigned long version() const { return version_; }
  // Operations added since the viewer last took them (and whether earlier ones were dropped).
  size_t firstNew() const;
  bool pruned() const { return pruned_; }
  // Whether the page looks as it did when last shown: the shown operations taken away were its
  // last ones, and the same drawings were added again in their order (a blink drawn over).
  bool looksAsShown() const;
  void markShown();

 private:
  void drop(size_t at);
  size_t at(uint64_t seq) const;
  void compact() const;

  // Kept operations in drawing order, with a number each that never changes, a digest of its
  // drawing, and whether it has since been dropped (taken out of the list only now and then,
  // so dropping one costs no move of those after it).
  mutable std::vector<Op> ops_;
  mutable std::vector<uint64_t> seqs_, keys_;
  mutable std::vector<uint8_t> dropped_;
  mutable size_t droppedCount_ = 0;
  uint64_t nextSeq_ = 0;
  // Kept operations by their drawing's digest, and circles by their centre: what a new
  // operation replaces or hides is looked up, not searched for.
  std::unordered_multimap<uint64_t, uint64_t> byKey_, circlesByCentre_;
  unsigned long version_ = 0;
  uint64_t firstNewSeq_ = 0;
  bool pruned_ = false;
  // Shown operations dropped since the viewer took the page (their number and digest), while
  // they are the end of what it showed.
  std::vector<std::pair<uint64_t, uint64_t>> droppedShown_;
  bool shownTailOnly_ = true;
};

}  // namespace platform
