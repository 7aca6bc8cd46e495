// Text boxes: where the box and its caption go for each height, with and without a fraction,
// the one-shot caption offsets, the tall-bracket flag around measuring, and what they leave.
#include <gtest/gtest.h>

#include <string>

#include "mathtext/TextBoxes.h"
#include "Rig.h"

namespace mathtext_test {
namespace {

void SetBox(Rig& rig, float x, float y, float haba, float tate, const std::string& caption) {
  rig.v.X = x;
  rig.v.Y = y;
  rig.v.HABA = haba;
  rig.v.TATE = tate;
  rig.v.A_s = caption;
  rig.v.CCC1 = 0;
  rig.v.CCC2 = 3;
  rig.v.CCC3 = 13;
}

Op TheBox(const Rig& rig) {
  auto boxes = rig.shown(OpKind::Box);
  EXPECT_EQ(boxes.size(), 1u);
  return boxes.empty() ? Op{} : boxes[0];
}

// The top of the first caption glyph drawn on the page (a fraction's numerator lies 10 above).
float CaptionTop(const Rig& rig, bool fraction) {
  auto texts = rig.shown(OpKind::Text);
  EXPECT_FALSE(texts.empty());
  return texts.back().y1 + (fraction ? 10 : 0);
}

struct HeightCase {
  float tate, plainTop, fractionTop;
};

const HeightCase kHeights[] = {
    {48, 2, -1}, {45, 0, -3}, {43, -1, -4}, {50, 3, 0}, {60, 8, 5}, {100, 28, 25},
};

TEST(TextBox, CaptionTopForEachHeight) {
  for (const HeightCase& c : kHeights) {
    for (bool fraction : {false, true}) {
      SCOPED_TRACE(std::to_string(c.tate) + (fraction ? " with a fraction" : ""));
      Rig rig;
      SetBox(rig, 40, 300, 100, c.tate, fraction ? "ﾀ1/2ﾀ" : "1");
      mathtext::DrawTextBox(rig.P);
      const Op box = TheBox(rig);
      EXPECT_FLOAT_EQ(box.x1, 40);
      EXPECT_FLOAT_EQ(box.y1, 300);
      EXPECT_FLOAT_EQ(box.x2, 140);
      EXPECT_FLOAT_EQ(box.y2, 300 + c.tate);
      EXPECT_EQ(box.colour, 3);
      EXPECT_EQ(box.fill, 13);
      EXPECT_FLOAT_EQ(CaptionTop(rig, fraction), 300 + (fraction ? c.fractionTop : c.plainTop));
      EXPECT_FLOAT_EQ(rig.v.X, 140);
      EXPECT_FLOAT_EQ(rig.v.Y, 300);
    }
  }
}

TEST(TextBox, OnLineBoxIsCentredOnTheLine) {
  for (const HeightCase& c : kHeights) {
    for (bool fraction : {false, true}) {
      SCOPED_TRACE(std::to_string(c.tate) + (fraction ? " with a fraction" : ""));
      Rig rig;
      SetBox(rig, 40, 300, 100, c.tate, fraction ? "ﾀ1/2ﾀ" : "1");
      mathtext::DrawTextBoxOnLine(rig.P);
      const Op box = TheBox(rig);
      EXPECT_FLOAT_EQ(box.y1, 300 - c.plainTop);
      EXPECT_FLOAT_EQ(box.y2, 300 + c.tate - c.plainTop);
      // The caption stays on its line; a fraction moves neither it nor the box.
      EXPECT_FLOAT_EQ(CaptionTop(rig, fraction), 300);
      EXPECT_FLOAT_EQ(rig.v.X, 140);
      EXPECT_FLOAT_EQ(rig.v.Y, 300);
    }
  }
}

TEST(TextBox, PendrelHeadingPair) {
  Rig rig;
  rig.pf.setDrawWidth(5);
  SetBox(rig, 40, 30, 256, 48, "P177 解答");
  mathtext::DrawTextBox(rig.P);
  const Op box = TheBox(rig);
  EXPECT_EQ(box.width, 5);
  EXPECT_FLOAT_EQ(box.y2, 78);
  // P, 1, 7, 7 and the blank take 27 each, the two kanji 34.
  EXPECT_FLOAT_EQ(rig.v.LLT, 5 * 27 + 2 * 34);
  auto texts = rig.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_FLOAT_EQ(texts[0].x1, 40 + 26.5f);  // an odd difference keeps its half
  EXPECT_FLOAT_EQ(texts[0].y1, 32);
  EXPECT_FLOAT_EQ(rig.v.X, 296);
  EXPECT_FLOAT_EQ(rig.v.Y, 30);
  EXPECT_EQ(rig.pf.drawWidth(), 5);
  EXPECT_EQ(rig.v.AA_s, "");
}

TEST(TextBox, CaptionWiderThanTheBoxStartsAtItsEdge) {
  Rig rig;
  SetBox(rig, 40, 30, 44, 48, "123");
  mathtext::DrawTextBox(rig.P);
  EXPECT_FLOAT_EQ(rig.shown(OpKind::Text)[0].x1, 40);
  EXPECT_FLOAT_EQ(rig.v.X, 84);
}

TEST(TextBox, EmptyCaptionDrawsTheBoxAlone) {
  Rig rig;
  SetBox(rig, 40, 30, 44, 48, "");
  mathtext::DrawTextBox(rig.P);
  EXPECT_EQ(rig.shown().size(), 1u);
  EXPECT_FLOAT_EQ(rig.v.LLT, 0);
  EXPECT_FLOAT_EQ(rig.v.X, 84);
}

TEST(TextBox, CaptionOffsetIsUsedOnceAndOnlyByTheBoxAtThePen) {
  Rig rig;
  SetBox(rig, 40, 30, 100, 48, "1");
  rig.v.AAAX = 20;
  rig.v.AAAY = 4;
  mathtext::DrawTextBox(rig.P);
  EXPECT_FLOAT_EQ(rig.shown(OpKind::Text)[0].x1, 40 + 36.5f + 20);
  EXPECT_FLOAT_EQ(rig.shown(OpKind::Text)[0].y1, 32 + 4);
  EXPECT_EQ(rig.v.AAAX, 0);
  EXPECT_EQ(rig.v.AAAY, 0);

  Rig online;
  SetBox(online, 40, 30, 100, 48, "1");
  online.v.AAAX = 20;
  online.v.AAAY = 4;
  mathtext::DrawTextBoxOnLine(online.P);
  EXPECT_FLOAT_EQ(online.shown(OpKind::Text)[0].x1, 40 + 36.5f);
  EXPECT_FLOAT_EQ(online.shown(OpKind::Text)[0].y1, 30);
  EXPECT_EQ(online.v.AAAX, 20);
  EXPECT_EQ(online.v.AAAY, 4);
}

TEST(TextBox, TallBracketsSurviveTheMeasurement) {
  Rig rig;
  SetBox(rig, 0, 100, 200, 48, "(1)");
  rig.v.KAKKO = 1;
  mathtext::DrawTextBox(rig.P);
  EXPECT_FLOAT_EQ(rig.v.LLT, 81);
  auto texts = rig.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[0].v, 4);
  EXPECT_FLOAT_EQ(texts[2].v, 4);
  EXPECT_EQ(rig.v.KAKKO, 0);
}

TEST(TextBox, BoxesSetNothingBeyondTheirResults) {
  Rig rig;
  rig.v.N2 = 7;
  rig.v.CCC4 = 9;
  SetBox(rig, 0, 100, 200, 48, "ﾀ1/2ﾀ");
  mathtext::DrawTextBox(rig.P);
  mathtext::DrawTextBoxOnLine(rig.P);
  rig.v.A1_s = "1";
  rig.v.A2_s = "2";
  mathtext::DrawTwoLineTextBox(rig.P);
  EXPECT_EQ(rig.v.N2, 7);
  EXPECT_EQ(rig.v.CCC4, 9);
}

struct TwoLineCase {
  const char* first;
  const char* second;
  float firstTop, secondTop;  // secondTop < 0: no second line
};

TEST(TextBox, TwoLinesInAHundredHighBox) {
  const TwoLineCase cases[] = {
      {"1", "2", 3, 47},
      {"1", "ﾀ1/2ﾀ", 3, 50},
      {"ﾀ1/2ﾀ", "2", 0, 47},
      {"1", "", 28, -1},
  };
  for (const TwoLineCase& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.second);
    Rig rig;
    SetBox(rig, 10, 0, 200, 100, "");
    rig.v.A1_s = c.first;
    rig.v.A2_s = c.second;
    mathtext::DrawTwoLineTextBox(rig.P);
    auto texts = rig.shown(OpKind::Text);
    bool firstFraction = std::string(c.first).find("ﾀ") != std::string::npos;
    bool secondFraction = std::string(c.second).find("ﾀ") != std::string::npos;
    // The first line's last glyph (a fraction draws its numerator last).
    size_t firstCount = firstFraction ? 2 : 1;
    ASSERT_GE(texts.size(), firstCount);
    EXPECT_FLOAT_EQ(texts[firstCount - 1].y1 + (firstFraction ? 10 : 0), c.firstTop);
    if (c.secondTop >= 0) {
      EXPECT_FLOAT_EQ(texts.back().y1 + (secondFraction ? 10 : 0), c.secondTop);
    } else {
      EXPECT_EQ(texts.size(), firstCount);
    }
    EXPECT_FLOAT_EQ(rig.v.X, 210);
    EXPECT_FLOAT_EQ(rig.v.Y, 0);
    EXPECT_FLOAT_EQ(rig.v.LLT, std::string(c.second).empty() ? 0 : (secondFraction ? 32 : 27));
  }
}

}  // namespace
}  // namespace mathtext_test
