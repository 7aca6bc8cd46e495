// Checks the ship screens share: a proof's answer boxes and blank pens, and the ship map as screens 1
// and 5 draw it (grid lines hidden by the land, the sea, the frame, the landmarks on their points).
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "Support.h"

namespace osvatine_test {

// A box of a proof's blanks on the text line at y, `width` across (top 3 above the line, 50
// high, outline 3, fill 13), drawn once in [from, to): the glyphs in it read `text`, each in the
// answer colour 5, whatever colours the marks before it left. Returns the box's index in the log.
inline size_t ExpectAnswerBox(const Log& log, size_t from, size_t to, float x, float y, float width,
                              const std::string& text) {
  SCOPED_TRACE(text);
  auto boxes = IndexesOf(log, [&](const Op& o) {
    return IsFilledBox(o, x, y - 3, x + width, y + 47, 13) && o.colour == 3;
  }, from, to);
  EXPECT_EQ(boxes.size(), 1u);
  if (boxes.size() != 1) return log.size();
  std::string s;
  for (const Op& g : OpsOf(log, [&](const Op& o) {
         return o.kind == OpKind::Text && o.y1 == y && o.x1 >= x && o.x1 < x + width;
       }, boxes[0], to)) {
    EXPECT_EQ(g.colour, 5) << g.text;
    s += g.text;
  }
  EXPECT_EQ(s, text);
  return boxes[0];
}

// The pens the proof's blanks 1, 2, ... keep in T(k), F(k), in order.
inline void ExpectBlankPens(const shell::Vars& v, std::initializer_list<std::pair<float, float>> pens) {
  int k = 0;
  for (const auto& [x, y] : pens) {
    ++k;
    EXPECT_EQ(v.T_a(k), x) << k;
    EXPECT_EQ(v.F_a(k), y) << k;
  }
}

// The ship map of screens 1 and 5 drawn from `from` on; returns where its drawing ends.
inline size_t ExpectShipMap(const Log& log, size_t from) {
  auto land = IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 440, 50, 1210, 540, 13); }, from);
  EXPECT_EQ(land.size(), 1u);
  if (land.empty() || land[0] + 11 > log.size()) return log.size();
  EXPECT_EQ(log[land[0]].colour, 0);
  // The grid lines come before the land box that hides them.
  auto gridLines = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Line; }, from, land[0]);
  EXPECT_EQ(gridLines.size(), 12u + 8u);
  const Op& sea = log[land[0] + 1];
  EXPECT_EQ(sea.kind, OpKind::Polyline);
  EXPECT_EQ(sea.colour, 11);
  EXPECT_EQ(sea.fill, 11);
  const std::pair<float, float> corners[] = {{790, 50}, {790, 120}, {440, 190}, {475, 540},
                                             {1000, 225}, {1140, 50}, {790, 50}};
  EXPECT_EQ(sea.points.size(), 7u);
  for (size_t i = 0; i < 7 && i < sea.points.size(); ++i) {
    EXPECT_NEAR(sea.points[i].first, corners[i].first, 0.01) << i;
    EXPECT_NEAR(sea.points[i].second, corners[i].second, 0.01) << i;
  }
  const Op& frame = log[land[0] + 2];
  EXPECT_EQ(frame.kind, OpKind::Box);
  EXPECT_EQ(frame.fill, platform::kNoFill);
  struct Landmark { float x, y; const char* letter; };
  const Landmark marks[] = {{510, 155, "A"}, {720, 85, "B"}, {895, 330, "C"}, {1035, 283.3f, "D"}};
  size_t at = land[0] + 3;
  for (const Landmark& m : marks) {
    SCOPED_TRACE(m.letter);
    EXPECT_TRUE(IsCircleAt(log[at], m.x, m.y, 6, 0.1f));
    EXPECT_EQ(log[at].fill, 0);
    EXPECT_EQ(log[at + 1].text, m.letter);
    EXPECT_NEAR(log[at + 1].x1, m.x, 0.1);
    EXPECT_NEAR(log[at + 1].y1, m.y, 0.1);
    at += 2;
  }
  return at;
}

// The two angles at the ship (852.2, 183.8), A to B and D to C, each a sector outlined in colour
// 0 and filled with 5; returns where they were drawn.
inline std::vector<size_t> ExpectShipAngles(const Log& log, size_t from) {
  auto sectors = IndexesOf(log, [](const Op& o) { return IsCircleAt(o, 852.2f, 183.8f, 60, 0.05f); }, from);
  EXPECT_EQ(sectors.size(), 2u);
  if (sectors.size() != 2) return sectors;
  EXPECT_NEAR(log[sectors[0]].start, 0.513, 0.001);
  EXPECT_NEAR(log[sectors[0]].end, 0.602, 0.001);
  EXPECT_NEAR(log[sectors[1]].start, 0.079, 0.001);
  EXPECT_NEAR(log[sectors[1]].end, 0.205, 0.001);
  for (size_t i : sectors) {
    EXPECT_EQ(log[i].colour, 0);
    EXPECT_EQ(log[i].fill, 5);
  }
  return sectors;
}

}  // namespace osvatine_test
