// A table of text rows checked against a drawing log in one call, every mismatch reported with
// its row:  EXPECT_TRUE(TextRowsDrawn(run.log, {{"1　円周角", 44, 120, 13}, {"8　終了", 44, 540, 15}}));
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/OpsLog.h"

namespace testsupport {

// A text drawn with its first glyph's top-left corner at (x, y), every glyph in colour.
struct TextRow {
  std::string text;
  float x, y;
  int colour;
};

// Whether every row stands in the log from index `from` on: a glyph at (x, y) (within 0.05; the
// glyphs' y as GlyphsAt takes it) and the glyphs drawn after it on that line, read in drawing
// order, spell the text, all in the row's colour. Where a row fails, the message names the row
// and what was found there instead.
testing::AssertionResult TextRowsDrawn(const Log& log, const std::vector<TextRow>& rows, size_t from = 0);

// A text whose pen stood at (x, y), in one colour, with these glyphs (blanks draw none): the
// glyphs drawn first on that line from x on (left of x2) among the operations [from, to), the
// first at the pen (within 4.5: "=" stands 4 right of its pen), every one in the colour. A
// half-width blank draws no glyph, a full-width one does, and "+" and "-" are strokes.
void ExpectText(const Log& log, std::pair<size_t, size_t> range, float x, float y, const std::string& glyphs,
                int colour, float x2 = 2000);
// The line of text whose glyphs stand exactly at y, left of xMax, from `from` on: it starts
// exactly at x in colour and reads `text` (its glyphs in drawing order; blanks and strokes drawn
// as lines left out).
void ExpectTextLine(const Log& log, size_t from, float x, float y, int colour, const std::string& text,
                    float xMax = 720);

}  // namespace testsupport
