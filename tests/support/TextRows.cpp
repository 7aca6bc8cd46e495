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

}  // namespace testsupport
