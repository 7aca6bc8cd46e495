// Plain labels: advances and places of each kind of character, measuring, the plain boxes and
// parenthesising a negative text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mathtext/TextBoxes.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct Placed {
  const char* text;
  float dx, dy;
};

struct LabelCase {
  const char* label;
  std::vector<Placed> glyphs;
  float advance;
};

TEST(PlainLabel, GlyphsAndAdvances) {
  const LabelCase cases[] = {
      {"12", {{"1", 0, 0}, {"2", 20, 0}}, 40},
      {"-3", {{"-", 0, 0}, {"3", 20, 0}}, 40},
      {"1.5", {{"1", 0, 0}, {".", 20, 0}, {"5", 28, 0}}, 48},
      {"(a)", {{"(", -8, 0}, {"a", 16, -12}, {")", 32, 0}}, 40},
      {"y", {{"y", 0, -6}}, 20},
      {"A B", {{"A", 0, 0}, {"B", 40, 0}}, 60},
      {"角A", {{"角", 0, 0}, {"A", 30, 0}}, 50},
      {"^%", {{"^", 0, 0}, {"%", 20, 0}}, 40},
      {"ﾀ,", {{"ﾀ", 0, 0}, {",", 20, 0}}, 28},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.label);
    TestRun run;
    run.v.X = 100;
    run.v.Y = 200;
    run.v.CCC1 = 1;
    run.v.AA_s = c.label;
    run.v.JYOU = 1;
    mathtext::PlainMathText(run.P);
    ASSERT_EQ(run.log.size(), c.glyphs.size());
    for (size_t i = 0; i < c.glyphs.size(); ++i) {
      EXPECT_EQ(run.log[i].text, c.glyphs[i].text);
      EXPECT_FLOAT_EQ(run.log[i].x1, 100 + c.glyphs[i].dx);
      EXPECT_FLOAT_EQ(run.log[i].y1, 200 + c.glyphs[i].dy);
      EXPECT_EQ(run.log[i].colour, 1);
      EXPECT_TRUE(run.log[i].font.bold);
    }
    EXPECT_FLOAT_EQ(run.v.X, 100 + c.advance);
    EXPECT_FLOAT_EQ(run.v.Y, 200);
    EXPECT_EQ(run.v.AA_s, "");
    EXPECT_EQ(run.v.JYOU, 1);  // a pending exponent passes through a plain label
    EXPECT_FALSE(run.pf.font().bold);
    EXPECT_FALSE(run.pf.font().italic);
    EXPECT_FLOAT_EQ(run.pf.font().size, 16);
  }
}

TEST(PlainLabel, FacesAndMagnifications) {
  TestRun run;
  run.v.AA_s = "ab角";
  mathtext::PlainMathText(run.P);
  ASSERT_EQ(run.log.size(), 3u);
  EXPECT_EQ(run.log[0].font.face, "Times New Roman");
  EXPECT_FLOAT_EQ(run.log[0].font.size, 8);
  EXPECT_TRUE(run.log[0].font.italic);
  EXPECT_FLOAT_EQ(run.log[0].h, 7);
  EXPECT_FLOAT_EQ(run.log[0].v, 4);
  EXPECT_EQ(run.log[1].font.face, "ゴシック");
  EXPECT_FLOAT_EQ(run.log[1].font.size, 15);
  EXPECT_FALSE(run.log[1].font.italic);
  EXPECT_FLOAT_EQ(run.log[1].h, 3);
  EXPECT_FLOAT_EQ(run.log[1].v, 2);
  EXPECT_FLOAT_EQ(run.log[2].h, 2);
  EXPECT_FLOAT_EQ(run.log[2].v, 2);
}

TEST(PlainLabel, EmptyLabelOnlyResetsTheFont) {
  TestRun run;
  run.pf.setFontBold(true);
  run.pf.setFontSize(11);
  run.pf.setDrawWidth(4);
  run.v.X = 7;
  run.v.Y = 8;
  run.v.AA_s = "";
  mathtext::PlainMathText(run.P);
  EXPECT_TRUE(run.log.empty());
  EXPECT_FLOAT_EQ(run.v.X, 7);
  EXPECT_FLOAT_EQ(run.v.Y, 8);
  EXPECT_FALSE(run.pf.font().bold);
  EXPECT_FLOAT_EQ(run.pf.font().size, 16);
  EXPECT_EQ(run.pf.drawWidth(), 4);
}

TEST(PlainLabel, MeasureDrawsNothingOnThePage) {
  TestRun run;
  run.v.X = 11;
  run.v.Y = 22;
  run.v.A_s = "-12";
  mathtext::MeasurePlainText(run.P);
  EXPECT_FLOAT_EQ(run.v.LLT, 60);
  EXPECT_TRUE(run.shown().empty());
  EXPECT_FLOAT_EQ(run.v.X, 11);
  EXPECT_FLOAT_EQ(run.v.Y, 22);
  EXPECT_EQ(run.v.A_s, "-12");
  EXPECT_EQ(run.v.AA_s, "");
}

TEST(PlainBox, CaptionCentredInTheBox) {
  TestRun run;
  run.v.X = 10;
  run.v.Y = 100;
  run.v.HABA = 100;
  run.v.TATE = 40;
  run.v.A_s = "12";
  run.v.CCC2 = 3;
  run.v.CCC3 = 13;
  mathtext::DrawPlainTextBox(run.P);
  auto shown = run.shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].kind, OpKind::Box);
  EXPECT_FLOAT_EQ(shown[0].y2, 140);
  EXPECT_EQ(shown[0].fill, 13);
  EXPECT_FLOAT_EQ(shown[1].x1, 40);
  EXPECT_FLOAT_EQ(shown[1].y1, 107);
  EXPECT_FLOAT_EQ(run.v.X, 110);
  EXPECT_FLOAT_EQ(run.v.Y, 100);
  EXPECT_EQ(run.v.A_s, "2");
}

TEST(PlainBox, WideCaptionStartsAtTheEdge) {
  TestRun run;
  run.v.X = 10;
  run.v.HABA = 30;
  run.v.TATE = 26;
  run.v.A_s = "123";
  mathtext::DrawPlainTextBox(run.P);
  EXPECT_FLOAT_EQ(run.shown(OpKind::Text)[0].x1, 10);
}

TEST(PlainBox, TwoLinesAndOne) {
  TestRun run;
  run.v.Y = 0;
  run.v.HABA = 100;
  run.v.TATE = 100;
  run.v.A1_s = "1";
  run.v.A2_s = "2";
  mathtext::DrawPlainTwoLineTextBox(run.P);
  auto texts = run.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[0].y1, 12);
  EXPECT_FLOAT_EQ(texts[1].y1, 42);

  TestRun one;
  one.v.HABA = 100;
  one.v.TATE = 100;
  one.v.A1_s = "1";
  one.v.A2_s = "";
  mathtext::DrawPlainTwoLineTextBox(one.P);
  texts = one.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FLOAT_EQ(texts[0].y1, 27);
  EXPECT_EQ(one.v.A_s, "");
}

TEST(Parenthesize, OnlyTextsWithAMinus) {
  const std::pair<const char*, const char*> cases[] = {
      {"-3", "(-3)"}, {"3-2", "(3-2)"}, {"3", "3"}, {"", ""}, {"－3", "－3"},
  };
  for (const auto& [in, out] : cases) {
    TestRun run;
    run.v.A_s = in;
    mathtext::ParenthesizeNegative(run.P);
    EXPECT_EQ(run.v.A_s, out) << in;
  }
}

}  // namespace
}  // namespace mathtext_test
