// The glyphs on the real fonts: every placement row's glyphs keep their ink inside the row's pen
// advance and the line's height, and the italic and script letters share the gothic baseline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <array>
#include <string>
#include <vector>

#include <cairo.h>

#include "mathtext/MathText.h"
#include "mathtext/TextBoxes.h"
#include "platform/Render.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

using Box = std::array<float, 4>;

// Ink of one drawn operation, in page units.
Box InkOf(const Op& op) {
  if (op.kind == OpKind::Text) return platform::textInk(op);
  float w = op.width / 2.0f;
  return {std::min(op.x1, op.x2) - w, std::min(op.y1, op.y2) - w, std::max(op.x1, op.x2) + w,
          std::max(op.y1, op.y2) + w};
}

struct Band {
  float top, bottom;  // from the pen's y
};

// A running line lies between the lines 50 above and below it; exponents rise into its top.
constexpr Band kLine{-10, 48};
// Tall brackets span a line that holds a fraction, from the large radical's top to its foot.
constexpr Band kTallLine{-14, 60};
// A fraction part lies between the bar and the next line: numerator pen to the bar (+35, less
// half its width), denominator pen from just below the bar.
constexpr Band kPart{-1, 33};
// An exponent in a denominator: the denominator moves 8 down to make room for it.
constexpr Band kRaisedPart{-9, 33};
// A plain label is 30 high; "y" is set 6 higher.
constexpr Band kLabel{-6, 32};

struct Flags {
  float BUN = 0, JYOU = 0, JYOUK = 0, KAKKO = 0;
};

struct FitRow {
  const char* row;
  Flags flags;
  std::vector<std::string> glyphs;
  float advance;
  Band band;
};

const std::vector<std::string> kDigits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const std::vector<std::string> kSingle{"0", "2", "5", "8", "A", "B", "O", "P", "Q", "b", "g", "n", "y",
                                       "(", ")", ",", "#", "?", "<", ">", "ﾀ", "ｱ", "ﾃ"};
const std::vector<std::string> kDouble{"角", "円", "∠", "△", "①", "Ａ", "の", "ア", "π", "≡", "≦"};

std::vector<FitRow> MathRows() {
  const Flags plain{}, part{1}, raised{0, 1}, raisedPart{1, 1}, small{0, 0, 1}, tall{0, 0, 0, 1};
  return {
      {"1 decimal point", plain, {"."}, 8, kLine},
      {"2 prime and degree", plain, {"'", "%"}, 12, kLine},
      {"2 in a fraction", part, {"'", "%"}, 12, kPart},
      {"3 tall (", tall, {"("}, 27, kTallLine},
      {"4 tall )", tall, {")"}, 27, kTallLine},
      {"5 equals", plain, {"="}, 32, kLine},
      {"6 small exponent", small, kDigits, 24, kLine},
      {"7 exponent in a fraction", raisedPart, kDigits, 24, kRaisedPart},
      {"8 exponent", raised, kDigits, 24, kLine},
      {"9 italic in a fraction", part, {"a", "x", "c"}, 32, kPart},
      {"10 italic", plain, {"a", "x", "c"}, 27, kLine},
      {"11 script l", plain, {"l"}, 32, kLine},
      {"12 minus in a fraction", part, {"-"}, 32, kPart},
      {"13 plus in a fraction", part, {"+"}, 32, kPart},
      {"14 minus", plain, {"-"}, 27, kLine},
      {"15 plus", plain, {"+"}, 27, kLine},
      {"16 times, divide, plus-minus", plain, {"*", "/", "@"}, 27, kLine},
      {"18 double-byte in a fraction", part, kDouble, 38, kPart},
      {"18 signs in a fraction", part, {"*", "/", "@"}, 38, kPart},
      {"19 double-byte", plain, kDouble, 34, kLine},
      {"20 single-byte in a fraction", part, kSingle, 32, kPart},
      {"21 single-byte", plain, kSingle, 27, kLine},
  };
}

std::vector<FitRow> LabelRows() {
  return {
      {"label . and ,", {}, {".", ","}, 8, kLabel},
      {"label (", {}, {"("}, 12, kLabel},
      {"label )", {}, {")"}, 8, kLabel},
      {"label double-byte", {}, kDouble, 30, kLabel},
      {"label italic", {}, {"a", "x", "c"}, 20, kLabel},
      {"label y", {}, {"y"}, 20, kLabel},
      {"label single-byte", {}, {"0", "1", "2", "5", "8", "A", "B", "O", "P", "Q", "-", "+", "b", "n"}, 20, kLabel},
  };
}

// The plain label's narrow punctuation cannot all fit one calibration of the gothic face:
// "(" is hung 8 units left of its cell while ")" and "." take 8 units from the pen, and the
// glyphs of all three are wider than that. Their overhang, in units past the tolerance:
const std::vector<std::pair<std::string, float>> kLabelOverhangs{
    {"label (", 2}, {"label )", 6.5f}, {"label . and ,", 1.5f}};

float AllowedOverhang(const std::string& row) {
  for (const auto& [name, units] : kLabelOverhangs)
    if (name == row) return units;
  return 0;
}

// Draws one glyph of a row from the pen (100, 200) and gives what it drew on the page.
std::vector<Op> Draw(const FitRow& row, const std::string& glyph, bool label) {
  TestRun run;
  run.v.X = 100;
  run.v.Y = 200;
  run.v.BUN = row.flags.BUN;
  run.v.JYOU = row.flags.JYOU;
  run.v.JYOUK = row.flags.JYOUK;
  run.v.KAKKO = row.flags.KAKKO;
  if (label) {
    run.v.AA_s = glyph;
    mathtext::PlainMathText(run.P);
  } else {
    run.v.A_s = glyph;
    mathtext::DrawGlyphs(run.P);
  }
  EXPECT_FLOAT_EQ(run.v.X, 100 + row.advance) << row.row << " " << glyph;
  return run.shown();
}

void CheckFit(const FitRow& row, bool label) {
  const float tolerance = 1 + AllowedOverhang(row.row);
  for (const std::string& glyph : row.glyphs) {
    for (const Op& op : Draw(row, glyph, label)) {
      Box ink = InkOf(op);
      SCOPED_TRACE(std::string(row.row) + " \"" + glyph + "\": ink x " + std::to_string(ink[0] - 100) + ".." +
                   std::to_string(ink[2] - 100) + " y " + std::to_string(ink[1] - 200) + ".." +
                   std::to_string(ink[3] - 200));
      EXPECT_GE(ink[0], 100 - tolerance);
      EXPECT_LE(ink[2], 100 + row.advance + tolerance);
      EXPECT_GE(ink[1], 200 + row.band.top - 1);
      EXPECT_LE(ink[3], 200 + row.band.bottom + 1);
    }
  }
}

TEST(GlyphFit, MathRowsKeepTheirInkInTheirAdvance) {
  for (const FitRow& row : MathRows()) CheckFit(row, false);
}

TEST(GlyphFit, LabelRowsKeepTheirInkInTheirAdvance) {
  for (const FitRow& row : LabelRows()) CheckFit(row, true);
}

// The bottom of the ink of a glyph that sits on the baseline.
float BaseOf(const std::string& glyph, Flags flags, bool label) {
  FitRow row{"base", flags, {glyph}, 0, kLine};
  TestRun run;
  run.v.Y = 200;
  run.v.BUN = flags.BUN;
  if (label) {
    run.v.AA_s = glyph;
    mathtext::PlainMathText(run.P);
  } else {
    run.v.A_s = glyph;
    mathtext::DrawGlyphs(run.P);
  }
  auto shown = run.shown();
  return shown.empty() ? 0 : platform::textInk(shown[0])[3];
}

TEST(GlyphFit, ItalicAndScriptLettersShareTheGothicBaseline) {
  const Flags plain{}, part{1};
  struct Pair {
    const char *letter, *beside;
    Flags flags;
    bool label;
  };
  const Pair pairs[] = {
      {"x", "n", plain, false}, {"a", "z", plain, false}, {"x", "n", part, false},
      {"c", "z", part, false},  {"x", "n", plain, true},  {"l", "n", plain, false},
  };
  for (const Pair& p : pairs) {
    SCOPED_TRACE(std::string(p.letter) + (p.flags.BUN == 1 ? " in a fraction" : "") + (p.label ? " in a label" : ""));
    EXPECT_NEAR(BaseOf(p.letter, p.flags, p.label), BaseOf(p.beside, p.flags, p.label), 2);
  }
}

// The serif letters are filled and outlined in their own colour, whatever was drawn before.
TEST(GlyphFit, OutlinedLettersKeepTheirColour) {
  TestRun run;
  run.pf.fillBox(10, 10, 60, 60, 5, 11);
  run.v.X = 100;
  run.v.Y = 100;
  run.v.CCC1 = 2;
  run.v.A_s = "xl";
  mathtext::DrawGlyphs(run.P);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 200);
  cairo_t* cr = cairo_create(s);
  platform::renderPage(cr, run.pf.page());
  cairo_destroy(cr);
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const auto red = platform::paletteRgb(2);
  int inked = 0, foreign = 0;
  for (int y = 80; y < 150; ++y) {
    for (int x = 95; x < 170; ++x) {
      uint32_t px = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
      int r = (px >> 16) & 0xff, g = (px >> 8) & 0xff, b = px & 0xff;
      if (r == 255 && g == 255 && b == 255) continue;
      // Antialiased edges blend the text colour with the white page: channels stay ordered.
      if (r >= g && r >= b && g >= red[1] - 1) ++inked;
      else ++foreign;
    }
  }
  cairo_surface_destroy(s);
  EXPECT_GT(inked, 200);
  EXPECT_EQ(foreign, 0);
}

}  // namespace
}  // namespace mathtext_test
