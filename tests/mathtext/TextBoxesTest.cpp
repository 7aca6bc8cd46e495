// Text boxes: where the box and its caption go for each height, with and without a fraction,
// the one-shot caption offsets, the tall-bracket flag around measuring, and what they leave.
#include <gtest/gtest.h>

#include <string>

#include "mathtext/TextBoxes.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void SetBox(TestRun& run, float x, float y, float haba, float tate, const std::string& caption) {
  run.v.X = x;
  run.v.Y = y;
  run.v.HABA = haba;
  run.v.TATE = tate;
  run.v.A_s = caption;
  run.v.CCC1 = 0;
  run.v.CCC2 = 3;
  run.v.CCC3 = 13;
}

Op TheBox(const TestRun& run) {
  auto boxes = run.shown(OpKind::Box);
  EXPECT_EQ(boxes.size(), 1u);
  return boxes.empty() ? Op{} : boxes[0];
}

// The top of the first caption glyph drawn on the page (a fraction's numerator lies 10 above).
float CaptionTop(const TestRun& run, bool fraction) {
  auto texts = run.shown(OpKind::Text);
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
      TestRun run;
      SetBox(run, 40, 300, 100, c.tate, fraction ? "ﾀ1/2ﾀ" : "1");
      mathtext::DrawTextBox(run.P);
      const Op box = TheBox(run);
      EXPECT_FLOAT_EQ(box.x1, 40);
      EXPECT_FLOAT_EQ(box.y1, 300);
      EXPECT_FLOAT_EQ(box.x2, 140);
      EXPECT_FLOAT_EQ(box.y2, 300 + c.tate);
      EXPECT_EQ(box.colour, 3);
      EXPECT_EQ(box.fill, 13);
      EXPECT_FLOAT_EQ(CaptionTop(run, fraction), 300 + (fraction ? c.fractionTop : c.plainTop));
      EXPECT_FLOAT_EQ(run.v.X, 140);
      EXPECT_FLOAT_EQ(run.v.Y, 300);
    }
  }
}

TEST(TextBox, OnLineBoxIsCentredOnTheLine) {
  for (const HeightCase& c : kHeights) {
    for (bool fraction : {false, true}) {
      SCOPED_TRACE(std::to_string(c.tate) + (fraction ? " with a fraction" : ""));
      TestRun run;
      SetBox(run, 40, 300, 100, c.tate, fraction ? "ﾀ1/2ﾀ" : "1");
      mathtext::DrawTextBoxOnLine(run.P);
      const Op box = TheBox(run);
      EXPECT_FLOAT_EQ(box.y1, 300 - c.plainTop);
      EXPECT_FLOAT_EQ(box.y2, 300 + c.tate - c.plainTop);
      // The caption stays on its line; a fraction moves neither it nor the box.
      EXPECT_FLOAT_EQ(CaptionTop(run, fraction), 300);
      EXPECT_FLOAT_EQ(run.v.X, 140);
      EXPECT_FLOAT_EQ(run.v.Y, 300);
    }
  }
}

TEST(TextBox, PendrelHeadingPair) {
  TestRun run;
  run.pf.setDrawWidth(5);
  SetBox(run, 40, 30, 256, 48, "P177 解答");
  mathtext::DrawTextBox(run.P);
  const Op box = TheBox(run);
  EXPECT_EQ(box.width, 5);
  EXPECT_FLOAT_EQ(box.y2, 78);
  // P, 1, 7, 7 and the blank take 27 each, the two kanji 34.
  EXPECT_FLOAT_EQ(run.v.LLT, 5 * 27 + 2 * 34);
  auto texts = run.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_FLOAT_EQ(texts[0].x1, 40 + 26.5f);  // an odd difference keeps its half
  EXPECT_FLOAT_EQ(texts[0].y1, 32);
  EXPECT_FLOAT_EQ(run.v.X, 296);
  EXPECT_FLOAT_EQ(run.v.Y, 30);
  EXPECT_EQ(run.pf.drawWidth(), 5);
  EXPECT_EQ(run.v.AA_s, "");
}

TEST(TextBox, CaptionWiderThanTheBoxStartsAtItsEdge) {
  TestRun run;
  SetBox(run, 40, 30, 44, 48, "123");
  mathtext::DrawTextBox(run.P);
  EXPECT_FLOAT_EQ(run.shown(OpKind::Text)[0].x1, 40);
  EXPECT_FLOAT_EQ(run.v.X, 84);
}

TEST(TextBox, EmptyCaptionDrawsTheBoxAlone) {
  TestRun run;
  SetBox(run, 40, 30, 44, 48, "");
  mathtext::DrawTextBox(run.P);
  EXPECT_EQ(run.shown().size(), 1u);
  EXPECT_FLOAT_EQ(run.v.LLT, 0);
  EXPECT_FLOAT_EQ(run.v.X, 84);
}

TEST(TextBox, CaptionOffsetIsUsedOnceAndOnlyByTheBoxAtThePen) {
  TestRun run;
  SetBox(run, 40, 30, 100, 48, "1");
  run.v.AAAX = 20;
  run.v.AAAY = 4;
  mathtext::DrawTextBox(run.P);
  EXPECT_FLOAT_EQ(run.shown(OpKind::Text)[0].x1, 40 + 36.5f + 20);
  EXPECT_FLOAT_EQ(run.shown(OpKind::Text)[0].y1, 32 + 4);
  EXPECT_EQ(run.v.AAAX, 0);
  EXPECT_EQ(run.v.AAAY, 0);

  TestRun online;
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
  TestRun run;
  SetBox(run, 0, 100, 200, 48, "(1)");
  run.v.KAKKO = 1;
  mathtext::DrawTextBox(run.P);
  EXPECT_FLOAT_EQ(run.v.LLT, 81);
  auto texts = run.shown(OpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[0].v, 4);
  EXPECT_FLOAT_EQ(texts[2].v, 4);
  EXPECT_EQ(run.v.KAKKO, 0);
}

TEST(TextBox, BoxesSetNothingBeyondTheirResults) {
  TestRun run;
  run.v.N2 = 7;
  run.v.CCC4 = 9;
  SetBox(run, 0, 100, 200, 48, "ﾀ1/2ﾀ");
  mathtext::DrawTextBox(run.P);
  mathtext::DrawTextBoxOnLine(run.P);
  run.v.A1_s = "1";
  run.v.A2_s = "2";
  mathtext::DrawTwoLineTextBox(run.P);
  EXPECT_EQ(run.v.N2, 7);
  EXPECT_EQ(run.v.CCC4, 9);
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
    TestRun run;
    SetBox(run, 10, 0, 200, 100, "");
    run.v.A1_s = c.first;
    run.v.A2_s = c.second;
    mathtext::DrawTwoLineTextBox(run.P);
    auto texts = run.shown(OpKind::Text);
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
    EXPECT_FLOAT_EQ(run.v.X, 210);
    EXPECT_FLOAT_EQ(run.v.Y, 0);
    EXPECT_FLOAT_EQ(run.v.LLT, std::string(c.second).empty() ? 0 : (secondFraction ? 32 : 27));
  }
}

}  // namespace
}  // namespace mathtext_test
