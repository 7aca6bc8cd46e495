// The character layer: which placement row takes a character in which mode, and the signs,
// strokes and marks that are not placed as glyphs.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "mathtext/MathText.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct Flags {
  float BUN = 0, JYOU = 0, JYOUK = 0, KAKKO = 0;
};

struct GlyphCase {
  const char* in;
  Flags flags;
  const char* drawn;
  float dx, dy, h, v, advance;
  const char* face;
  float size;
  bool italic, bold;
  float jyouAfter = 0;  // a pending exponent that the row leaves pending
};

const Flags kPlain{}, kFraction{1}, kRaised{0, 1}, kRaisedInFraction{1, 1}, kSmallRaised{0, 0, 1}, kTall{0, 0, 0, 1};

const GlyphCase kGlyphCases[] = {
    {".", kPlain, ".", -3, 14, 3, 2, 8, "ゴシック", 16, false, true},
    {"%", kPlain, "°", 0, 0, 3, 3, 12, "ゴシック", 16, false, true},
    {"'", kFraction, "'", 0, 0, 3, 3, 12, "ゴシック", 16, false, true},
    {"(", kTall, "(", -4, -6, 3, 4, 27, "ゴシック", 16, false, true},
    {")", kTall, ")", 6, -6, 3, 4, 27, "ゴシック", 16, false, true},
    {"(", kPlain, "(", 0, 0, 3, 3, 27, "ゴシック", 16, false, true},
    {")", kFraction, ")", 0, 0, 4, 2, 32, "ゴシック", 16, false, true},
    {"=", kPlain, "=", 4, 0, 3, 3, 32, "ゴシック", 14, false, true},
    {"2", kSmallRaised, "2", 0, -10, 6, 3, 24, "ゴシック", 8, false, true},
    {"2", kRaisedInFraction, "2", 0, -4, 6, 3, 24, "ゴシック", 8, false, true},
    {"2", kRaised, "2", 0, 0, 3, 2, 24, "ゴシック", 16, false, true},
    // A pending exponent takes a letter, a sign or a double-byte character alike.
    {"x", kRaised, "x", 0, 0, 3, 2, 24, "ゴシック", 16, false, true},
    {"角", kRaised, "角", 0, 0, 3, 2, 24, "ゴシック", 16, false, true},
    {"=", kRaised, "=", 4, 0, 3, 3, 32, "ゴシック", 14, false, true, 1},
    {"a", kFraction, "a", 4, -16, 12, 5, 32, "Times New Roman", 8, true, true},
    {"x", kPlain, "x", 4, -22, 10, 7, 27, "Times New Roman", 8, true, true},
    {"c", kPlain, "c", 4, -22, 10, 7, 27, "Times New Roman", 8, true, true},
    {"l", kPlain, "l", 0, 0, 6, 3, 32, "MT Extra", 16, false, true},
    {"*", kPlain, "×", -4, 0, 2, 3, 27, "ゴシック", 16, false, true},
    {"/", kPlain, "÷", -4, 0, 2, 3, 27, "ゴシック", 16, false, true},
    {"@", kPlain, "±", -4, 0, 2, 3, 27, "ゴシック", 16, false, true},
    {"*", kFraction, "×", 0, 0, 3, 3, 38, "ゴシック", 11, false, true},
    {"角", kPlain, "角", 0, 0, 2, 3, 34, "ゴシック", 16, false, true},
    {"∠", kFraction, "∠", 0, 0, 3, 3, 38, "ゴシック", 11, false, true},
    // The second byte of "表" is the byte of the small-exponent mark; it is still one character.
    {"表", kPlain, "表", 0, 0, 2, 3, 34, "ゴシック", 16, false, true},
    {"ﾀ", kPlain, "ﾀ", 0, 0, 3, 3, 27, "ゴシック", 16, false, true},
    {"#", kFraction, "#", 0, 0, 4, 2, 32, "ゴシック", 16, false, true},
    {"b", kPlain, "b", 0, 0, 3, 3, 27, "ゴシック", 16, false, true},
    {"b", kFraction, "b", 0, 0, 4, 2, 32, "ゴシック", 16, false, true},
    {"", kPlain, "", 0, 0, 3, 3, 27, "ゴシック", 16, false, true},
    {"", kFraction, "", 0, 0, 4, 2, 32, "ゴシック", 16, false, true},
};

void PrintTo(const GlyphCase& c, std::ostream* os) {
  *os << '"' << c.in << "\" BUN " << c.flags.BUN << " JYOU " << c.flags.JYOU << " JYOUK " << c.flags.JYOUK << " KAKKO "
      << c.flags.KAKKO;
}

class GlyphRows : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(GlyphRows, PlacesTheCharacter) {
  const GlyphCase& c = GetParam();
  TestRun run;
  run.v.BUN = c.flags.BUN;
  run.v.JYOU = c.flags.JYOU;
  run.v.JYOUK = c.flags.JYOUK;
  run.v.KAKKO = c.flags.KAKKO;
  run.v.X = 100;
  run.v.Y = 200;
  run.v.CCC1 = 2;
  run.v.A_s = c.in;
  mathtext::DrawGlyphs(run.P);
  ASSERT_EQ(run.log.size(), 1u);
  const Op& op = run.log[0];
  EXPECT_EQ(op.kind, OpKind::Text);
  EXPECT_EQ(op.text, c.drawn);
  EXPECT_FLOAT_EQ(op.x1, 100 + c.dx);
  EXPECT_FLOAT_EQ(op.y1, 200 + c.dy);
  EXPECT_FLOAT_EQ(op.h, c.h);
  EXPECT_FLOAT_EQ(op.v, c.v);
  EXPECT_EQ(op.colour, 2);
  EXPECT_EQ(op.font.face, c.face);
  EXPECT_FLOAT_EQ(op.font.size, c.size);
  EXPECT_EQ(op.font.italic, c.italic);
  EXPECT_EQ(op.font.bold, c.bold);
  EXPECT_FLOAT_EQ(run.v.X, 100 + c.advance);
  EXPECT_FLOAT_EQ(run.v.Y, 200);
  EXPECT_EQ(run.v.A_s, c.in);
  // The exponent rows and the tall closing bracket use up their flag; nothing else does.
  EXPECT_EQ(run.v.JYOUK, 0);
  EXPECT_EQ(run.v.JYOU, c.jyouAfter);
  EXPECT_EQ(run.v.KAKKO, std::string(c.in) == ")" ? 0 : c.flags.KAKKO);
  // The renderer's font state afterwards: gothic 16, bold and italic off.
  EXPECT_EQ(run.pf.font().face, "ゴシック");
  EXPECT_FLOAT_EQ(run.pf.font().size, 16);
  EXPECT_FALSE(run.pf.font().bold);
  EXPECT_FALSE(run.pf.font().italic);
}

INSTANTIATE_TEST_SUITE_P(Rows, GlyphRows, ::testing::ValuesIn(kGlyphCases),
                         [](const auto& c) { return "case" + std::to_string(c.index); });

struct StrokeCase {
  const char* in;
  float BUN;
  std::vector<std::array<float, 4>> lines;
  float advance;
};

TEST(GlyphStrokes, MinusAndPlusAreStrokesOfWidthFive) {
  const StrokeCase cases[] = {
      {"-", 0, {{4, 20, 23, 20}}, 27},
      {"+", 0, {{4, 22, 23, 22}, {13, 10, 13, 34}}, 27},
      {"-", 1, {{6, 14, 26, 14}}, 32},
      {"+", 1, {{6, 14, 26, 14}, {16, 4, 16, 24}}, 32},
  };
  for (const StrokeCase& c : cases) {
    SCOPED_TRACE(std::string(c.in) + (c.BUN == 1 ? " in a fraction" : ""));
    TestRun run;
    run.v.BUN = c.BUN;
    run.v.X = 100;
    run.v.Y = 200;
    run.v.A_s = c.in;
    run.pf.setDrawWidth(2);
    mathtext::DrawGlyphs(run.P);
    ASSERT_EQ(run.log.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(run.log[i].kind, OpKind::Line);
      EXPECT_EQ(run.log[i].width, 5);
      EXPECT_FLOAT_EQ(run.log[i].x1, 100 + c.lines[i][0]);
      EXPECT_FLOAT_EQ(run.log[i].y1, 200 + c.lines[i][1]);
      EXPECT_FLOAT_EQ(run.log[i].x2, 100 + c.lines[i][2]);
      EXPECT_FLOAT_EQ(run.log[i].y2, 200 + c.lines[i][3]);
    }
    EXPECT_FLOAT_EQ(run.v.X, 100 + c.advance);
    EXPECT_EQ(run.pf.drawWidth(), 2);
  }
}

struct SignCase {
  const char* in;
  float BUN;
  std::vector<std::pair<float, float>> points;
  int width;
  float advance, rootAfter;
};

TEST(GlyphSigns, RootsAndParallelogramAreOutlines) {
  const SignCase cases[] = {
      {"!", 0, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 3, 28, 1},
      {"√", 0, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 3, 28, 1},
      {"!", 1, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 3, 26, 11},
      {"&", 0, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 5, 36, 7},
  };
  for (const SignCase& c : cases) {
    SCOPED_TRACE(c.in);
    TestRun run;
    run.v.BUN = c.BUN;
    run.v.HROOT = 7;  // no root value: shows whether the sign sets one
    run.v.X = 100;
    run.v.Y = 200;
    run.v.A_s = c.in;
    mathtext::DrawGlyphs(run.P);
    ASSERT_EQ(run.log.size(), 1u);
    EXPECT_EQ(run.log[0].kind, OpKind::Polyline);
    EXPECT_EQ(run.log[0].width, c.width);
    EXPECT_EQ(run.log[0].fill, platform::kNoFill);
    ASSERT_EQ(run.log[0].points.size(), c.points.size());
    for (size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_FLOAT_EQ(run.log[0].points[i].first, 100 + c.points[i].first);
      EXPECT_FLOAT_EQ(run.log[0].points[i].second, 200 + c.points[i].second);
    }
    EXPECT_FLOAT_EQ(run.v.X, 100 + c.advance);
    EXPECT_FLOAT_EQ(run.v.TXM, 100 + c.advance);
    EXPECT_EQ(run.v.HROOT, c.rootAfter);
    EXPECT_EQ(run.pf.drawWidth(), 3);
  }
}

TEST(GlyphMarks, MarksOnlyChangeTheState) {
  TestRun run;
  run.v.X = 100;
  run.v.HROOT = 1;
  run.v.A_s = "^\\ﾝ";
  mathtext::DrawGlyphs(run.P);
  EXPECT_TRUE(run.log.empty());
  EXPECT_FLOAT_EQ(run.v.X, 100);
  EXPECT_EQ(run.v.JYOU, 1);
  EXPECT_EQ(run.v.JYOUK, 1);
  EXPECT_EQ(run.v.HROOT, 0);
}

TEST(GlyphMarks, BothExponentFlagsRaiseTwoCharactersInTurn) {
  TestRun run;
  run.v.X = 0;
  run.v.Y = 100;
  run.v.A_s = "\\^234";
  mathtext::DrawGlyphs(run.P);
  ASSERT_EQ(run.log.size(), 3u);
  EXPECT_FLOAT_EQ(run.log[0].y1, 90);  // small raised exponent
  EXPECT_FLOAT_EQ(run.log[1].x1, 24);
  EXPECT_FLOAT_EQ(run.log[1].v, 2);  // exponent
  EXPECT_FLOAT_EQ(run.log[2].x1, 48);
  EXPECT_FLOAT_EQ(run.log[2].v, 3);  // an ordinary glyph again
}

TEST(GlyphMarks, SignsAndNarrowGlyphsLeaveAPendingExponent) {
  TestRun run;
  run.v.JYOU = 1;
  run.v.A_s = ".'=√&3";
  mathtext::DrawGlyphs(run.P);
  EXPECT_EQ(run.v.JYOU, 0);
  const Op* three = nullptr;
  for (const Op& op : run.log)
    if (op.kind == OpKind::Text) three = &op;
  ASSERT_NE(three, nullptr);
  EXPECT_EQ(three->text, "3");
  EXPECT_FLOAT_EQ(three->v, 2);
  EXPECT_FLOAT_EQ(run.v.X, 8 + 12 + 32 + 28 + 36 + 24);
}

TEST(GlyphMarks, ScriptLetterLeavesTheRestOfTheCallNotBold) {
  TestRun run;
  run.v.A_s = "l2";
  mathtext::DrawGlyphs(run.P);
  ASSERT_EQ(run.log.size(), 2u);
  EXPECT_TRUE(run.log[0].font.bold);
  EXPECT_FALSE(run.log[1].font.bold);
  run.v.A_s = "2";
  mathtext::DrawGlyphs(run.P);
  EXPECT_TRUE(run.log[2].font.bold);
}

}  // namespace
}  // namespace mathtext_test
