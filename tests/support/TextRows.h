// A table of text rows checked against a drawing log in one call, every mismatch reported with
// its row:  EXPECT_TRUE(TextRowsDrawn(run.log, {{"1　円周角", 44, 120, 13}, {"8　終了", 44, 540, 15}}));
#pragma once
#include <cstddef>
#include <string>
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

}  // namespace testsupport
