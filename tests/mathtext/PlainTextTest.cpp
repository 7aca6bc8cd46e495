// Plain labels: advances and places of each kind of character, measuring, the plain boxes and
// parenthesising a negative text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mathtext/TextBoxes.h"
#include "Rig.h"

namespace mathtext_test {
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
    Rig rig;
    rig.v.X = 100;
    rig.v.Y = 200;
    rig.v.CCC1 = 1;
    rig.v.AA_s = c.label;
    rig.v.JYOU = 1;
    mathtext::PlainMathText(rig.P);
    ASSERT_EQ(rig.log.size(), c.glyphs.size());
    for (size_t i = 0; i < c.glyphs.size(); ++i) {
      EXPECT_EQ(rig.log[i].text, c.glyphs[i].text);
      EXPECT_FLOAT_EQ(rig.log[i].x1, 100 + c.glyphs[i].dx);
      EXPECT_FLOAT_EQ(rig.log[i].y1, 200 + c.glyphs[i].dy);
      EXPECT_EQ(rig.log[i].colour, 1);
      EXPECT_TRUE(rig.log[i].font.bold);
    }
    EXPECT_FLOAT_EQ(rig.v.X, 100 + c.advance);
    EXPECT_FLOAT_EQ(rig.v.Y, 200);
    EXPECT_EQ(rig.v.AA_s, "");
    EXPECT_EQ(rig.v.JYOU, 1);  // a pending exponent passes through a plain label
    EXPECT_FALSE(rig.pf.font().bold);
    EXPECT_FALSE(rig.pf.font().italic);
    EXPECT_FLOAT_EQ(rig.pf.font().size, 16);
  }
}

TEST(PlainLabel, FacesAndMagnifications) {
  Rig rig;
  rig.v.AA_s = "ab角";
  mathtext::PlainMathText(rig.P);
  ASSERT_EQ(rig.log.size(), 3u);
  EXPECT_EQ(rig.log[0].font.face, "Times New Roman");
  EXPECT_FLOAT_EQ(rig.log[0].font.size, 8);
  EXPECT_TRUE(rig.log[0].font.italic);
  EXPECT_FLOAT_EQ(rig.log[0].h, 7);
  EXPECT_FLOAT_EQ(rig.log[0].v, 4);
  EXPECT_EQ(rig.log[1].font.face, "ゴシック");
  EXPECT_FLOAT_EQ(rig.log[1].font.size, 15);
  EXPECT_FALSE(rig.log[1].font.italic);
  EXPECT_FLOAT_EQ(rig.log[1].h, 3);
  EXPECT_FLOAT_EQ(rig.log[1].v, 2);
  EXPECT_FLOAT_EQ(rig.log[2].h, 2);
  EXPECT_FLOAT_EQ(rig.log[2].v, 2);
}

TEST(PlainLabel, EmptyLabelOnlyResetsTheFont) {
  Rig rig;
  rig.pf.setFontBold(true);
  rig.pf.setFontSize(11);
  rig.pf.setDrawWidth(4);
  rig.v.X = 7;
  rig.v.Y = 8;
  rig.v.AA_s = "";
  mathtext::PlainMathText(rig.P);
  EXPECT_TRUE(rig.log.empty());
  EXPECT_FLOAT_EQ(rig.v.X, 7);
  EXPECT_FLOAT_EQ(rig.v.Y, 8);
  EXPECT_FALSE(rig.pf.font().bold);
  EXPECT_FLOAT_EQ(rig.pf.font().size, 16);
  EXPECT_EQ(rig.pf.drawWidth(), 4);
}

TEST(PlainLabel, MeasureDrawsNothingOnThePage) {
  Rig rig;
  rig.v.X = 11;
  rig.v.Y = 22;
  rig.v.A_s = "-12";
  mathtext::MeasurePlainText(rig.P);
  EXPECT_FLOAT_EQ(rig.v.LLT, 60);
  EXPECT_TRUE(rig.shown().empty());
  EXPECT_FLOAT_EQ(rig.v.X, 11);
  EXPECT_FLOAT_EQ(rig.v.Y, 22);
  EXPECT_EQ(rig.v.A_s, "-12");
  EXPECT_EQ(rig.v.AA_s, "");
}

TEST(PlainBox, CaptionCentredInTheBox) {
  Rig rig;
  rig.v.X = 10;
  rig.v.Y = 100;
  rig.v.HABA = 100;
  rig.v.TATE = 40;
  rig.v.A_s = "12";
  rig.v.CCC2 = 3;
  rig.v.CCC3 = 13;
  mathtext::DrawPlainTextBox(rig.P);
  auto shown = rig.shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].kind, OpKind::Box);
  EXPECT_FLOAT_EQ(shown[0].y2, 140);
  EXPECT_EQ(shown[0].fill, 13);
  EXPECT_FLOAT_EQ(shown[1].x1, 40);
  EXPECT_FLOAT_EQ(shown[1].y1, 107);
  EXPECT_FLOAT_EQ(rig.v.X, 110);
  EXPECT_FLOAT_EQ(rig.v.Y, 100);
  EXPECT_EQ(rig.v.A_s, "2");
}

TEST(PlainBox, WideCaptionStartsAtTheEdge) {
  Rig rig;
  rig.v.X = 10;
  rig.v.HABA = 30;
  rig.v.TATE = 26;
  rig.v.A_s = "123";
  mathtext::DrawPlainTextBox(rig.P);
  EXPECT_FLOAT_EQ(rig.shown(OpKind::Text)[0].x1, 10);
}

TEST(PlainBox, TwoLinesAndOne) {
  Rig rig;
  rig.v.Y = 0;
  rig.v.HABA = 100;
  rig.v.TATE = 100;
  rig.v.A1_s = "1";
  rig.v.A2_s = "2";
  mathtext::DrawPlainTwoLineTextBox(rig.P);
  auto texts = rig.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[0].y1, 12);
  EXPECT_FLOAT_EQ(texts[1].y1, 42);

  Rig one;
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
    Rig rig;
    rig.v.A_s = in;
    mathtext::ParenthesizeNegative(rig.P);
    EXPECT_EQ(rig.v.A_s, out) << in;
  }
}

}  // namespace
}  // namespace mathtext_test
