// A table of text rows checked against a drawing log in one call, every mismatch reported with
// its row.
#include "support/TextRows.h"

#include <sstream>

namespace testsupport {

namespace {

bool OnLine(const Op& o, float y) { return o.kind == OpKind::Text && o.y1 >= y - 24 && o.y1 <= y + 16; }

// What the glyphs from index `start` on spell along the line at y, as long as the row's text.
struct Reading {
  std::string text;
  std::vector<int> colours;
};

Reading ReadFrom(const Log& log, size_t start, float y, size_t length) {
  Reading r;
  for (size_t i = start; i < log.size() && r.text.size() < length; ++i) {
    const Op& o = log[i];
    if (o.kind != OpKind::Text || o.text.empty()) continue;  // strokes of the text, or nothing shown
    if (!OnLine(o, y)) break;
    r.text += o.text;
    r.colours.push_back(o.colour);
  }
  return r;
}

bool AllIn(const std::vector<int>& colours, int colour) {
  for (int c : colours)
    if (c != colour) return false;
  return true;
}

std::string Colours(const std::vector<int>& colours) {
  std::ostringstream s;
  for (size_t i = 0; i < colours.size(); ++i) s << (i ? "," : "") << colours[i];
  return s.str();
}

}  // namespace

testing::AssertionResult TextRowsDrawn(const Log& log, const std::vector<TextRow>& rows, size_t from) {
  std::ostringstream failures;
  int failed = 0;
  for (const TextRow& row : rows) {
    std::string nearest;  // what the last glyph at the row's corner began, when it was not the row
    bool found = false;
    for (size_t i = from; i < log.size() && !found; ++i) {
      const Op& o = log[i];
      if (o.kind != OpKind::Text || o.text.empty() || !Near(o.x1, row.x) || !OnLine(o, row.y)) continue;
      Reading r = ReadFrom(log, i, row.y, row.text.size());
      if (r.text == row.text && AllIn(r.colours, row.colour)) found = true;
      else nearest = "\"" + r.text + "\" in colours " + Colours(r.colours);
    }
    if (found) continue;
    ++failed;
    failures << "\n  \"" << row.text << "\" at (" << row.x << "," << row.y << ") colour " << row.colour << ": ";
    if (nearest.empty()) failures << "no glyph begins there; the line holds \"" << GlyphsAt(log, row.y, 0, 2000, from) << "\"";
    else failures << "found " << nearest;
  }
  if (failed == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << failed << " of " << rows.size() << " text rows not drawn as expected:"
                                     << failures.str();
}

void ExpectText(const Log& log, std::pair<size_t, size_t> range, float x, float y, const std::string& glyphs,
                int colour, float x2) {
  SCOPED_TRACE(glyphs);
  std::vector<const Op*> ops;
  std::string joined;
  for (size_t i = range.first; i < range.second && i < log.size() && joined.size() < glyphs.size(); ++i) {
    const Op& o = log[i];
    if (o.kind == OpKind::Text && !o.text.empty() && OnLine(o, y) && o.x1 >= x - 0.5f && o.x1 < x2) {
      ops.push_back(&o);
      joined += o.text;
    }
  }
  EXPECT_EQ(joined, glyphs) << "at (" << x << ", " << y << ")";
  if (ops.empty()) return;
  EXPECT_NEAR(ops.front()->x1, x, 4.5f);
  for (const Op* o : ops) EXPECT_EQ(o->colour, colour) << o->text;
}

void ExpectTextLine(const Log& log, size_t from, float x, float y, int colour, const std::string& text,
                    float xMax) {
  SCOPED_TRACE(text);
  auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.y1 == y && o.x1 < xMax; }, from);
  ASSERT_FALSE(glyphs.empty());
  EXPECT_EQ(glyphs.front().x1, x);
  EXPECT_EQ(glyphs.front().colour, colour);
  std::string s;
  for (const Op& g : glyphs) s += g.text;
  EXPECT_EQ(s, text);
}

}  // namespace testsupport
