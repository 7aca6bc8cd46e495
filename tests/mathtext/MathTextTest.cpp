// The markup's structure: stacked fractions and their denominator tops, roots and their
// overlines across texts, the exponent mark, the caller's pen width, and nested measuring.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "mathtext/MathText.h"
#include "shell/Prompt.h"
#include "support/TestRun.h"

namespace mathtext_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void Render(TestRun& run, const std::string& text, float x, float y) {
  run.v.X = x;
  run.v.Y = y;
  run.v.AA_s = text;
  mathtext::RenderMathText(run.P);
}

std::vector<Op> Texts(const TestRun& run) { return run.shown(OpKind::Text); }
std::vector<Op> Lines(const TestRun& run) { return run.shown(OpKind::Line); }

TEST(Fraction, OneHalfAtTheWorkedPosition) {
  TestRun run;
  Render(run, "ﾀ1/2ﾀ", 100, 200);
  auto lines = Lines(run);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x1, 100);
  EXPECT_FLOAT_EQ(lines[0].y1, 225);
  EXPECT_FLOAT_EQ(lines[0].x2, 132);
  EXPECT_FLOAT_EQ(lines[0].y2, 225);
  EXPECT_EQ(lines[0].width, 4);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 2u);
  // Denominator first, then numerator.
  EXPECT_EQ(texts[0].text, "2");
  EXPECT_FLOAT_EQ(texts[0].x1, 100);
  EXPECT_FLOAT_EQ(texts[0].y1, 228);
  EXPECT_EQ(texts[1].text, "1");
  EXPECT_FLOAT_EQ(texts[1].x1, 100);
  EXPECT_FLOAT_EQ(texts[1].y1, 190);
  EXPECT_FLOAT_EQ(texts[1].h, 4);
  EXPECT_FLOAT_EQ(texts[1].v, 2);
  EXPECT_FLOAT_EQ(run.v.X, 132);
  EXPECT_FLOAT_EQ(run.v.Y, 200);
  EXPECT_EQ(run.v.BUN, 0);
  EXPECT_EQ(run.v.AA_s, "");
  EXPECT_EQ(run.pf.drawWidth(), 3);
}

TEST(Fraction, NarrowerPartIsCentred) {
  TestRun run;
  Render(run, "ﾀ1/12ﾀ", 100, 200);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[0].x1, 100);  // "1" of the denominator
  EXPECT_FLOAT_EQ(texts[1].x1, 132);  // "2"
  EXPECT_FLOAT_EQ(texts[2].x1, 116);  // numerator
  EXPECT_FLOAT_EQ(Lines(run)[0].x2, 164);
  EXPECT_FLOAT_EQ(run.v.X, 164);
}

TEST(Fraction, FurtherSlashBelongsToTheDenominator) {
  TestRun run;
  Render(run, "ﾀ1/2/3ﾀ", 0, 200);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "2");
  EXPECT_EQ(texts[1].text, "÷");
  EXPECT_FLOAT_EQ(texts[1].font.size, 11);
  EXPECT_EQ(texts[2].text, "3");
  EXPECT_EQ(texts[3].text, "1");
  // 32 + 38 + 32 wide; the numerator centred over it.
  EXPECT_FLOAT_EQ(run.v.X, 102);
  EXPECT_FLOAT_EQ(texts[3].x1, 35);
}

struct TopCase {
  const char* text;
  float firstOffset;  // where the denominator's first drawn element lies below its top
  float top;
};

TEST(Fraction, DenominatorTopsMakeRoomForRootsAndExponents) {
  const TopCase cases[] = {
      {"ﾀ1/2ﾀ", 0, 28},
      {"ﾀa/x^2ﾀ", -16, 36},    // italic x in a fraction sits 16 above its top
      {"ﾀ√3/2ﾀ", 0, 36},
      {"ﾀ1/!3ﾝﾀ", 24, 36},     // the small radical's first point
      {"ﾀ1/√3ﾀ", 24, 44},
      {"ﾀ1/タﾀ", 0, 36},       // a second byte of "^" counts, byte-wise
      {"ﾀ1/表ﾀ", 0, 28},       // a second byte of "\" does not
  };
  for (const TopCase& c : cases) {
    SCOPED_TRACE(c.text);
    TestRun run;
    Render(run, c.text, 0, 300);
    // The first thing drawn after the bar is the denominator's first character.
    auto shown = run.shown();
    ASSERT_GE(shown.size(), 2u);
    ASSERT_EQ(shown[0].kind, OpKind::Line);
    const Op& first = shown[1];
    float y = first.kind == OpKind::Polyline ? first.points[0].second : first.y1;
    EXPECT_FLOAT_EQ(y - c.firstOffset, 300 + c.top);
  }
}

TEST(Fraction, UnclosedMarkIsDroppedAndTheRestDrawnPlain) {
  TestRun run;
  Render(run, "aﾀ1/2", 0, 100);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].font.face, "Times New Roman");
  EXPECT_EQ(texts[1].text, "1");
  EXPECT_EQ(texts[2].text, "÷");
  EXPECT_EQ(texts[3].text, "2");
  EXPECT_FLOAT_EQ(run.v.X, 27 * 4);
}

TEST(Fraction, BodyWithoutSlashIsAllNumerator) {
  TestRun run;
  Render(run, "ﾀ12ﾀ", 0, 100);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "");  // the empty denominator's one pass
  EXPECT_EQ(texts[1].text, "1");
  EXPECT_FLOAT_EQ(texts[1].y1, 90);
  EXPECT_EQ(texts[2].text, "2");
  EXPECT_FLOAT_EQ(run.v.X, 64);
}

TEST(Fraction, EmptyBodyTakesNoRoom) {
  TestRun run;
  Render(run, "ﾀﾀ5", 0, 100);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2].text, "5");
  EXPECT_FLOAT_EQ(texts[2].x1, 0);
}

TEST(Root, RadicalWithOverlineEndedByMark) {
  TestRun run;
  Render(run, "!3ﾝ", 100, 200);
  auto shown = run.shown();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].kind, OpKind::Polyline);
  EXPECT_EQ(shown[1].text, "3");
  EXPECT_FLOAT_EQ(shown[1].x1, 128);
  EXPECT_EQ(shown[2].kind, OpKind::Line);
  EXPECT_FLOAT_EQ(shown[2].x1, 128);
  EXPECT_FLOAT_EQ(shown[2].x2, 155);
  EXPECT_FLOAT_EQ(shown[2].y1, 196);
  EXPECT_FLOAT_EQ(shown[2].y2, 196);
  EXPECT_EQ(shown[2].width, 3);
  EXPECT_FLOAT_EQ(run.v.X, 155);
  EXPECT_EQ(run.v.HROOT, 0);
}

TEST(Root, LeftOpenItCoversLaterTexts) {
  TestRun run;
  Render(run, "!3", 100, 200);
  Render(run, "45", run.v.X, 200);
  auto lines = Lines(run);
  ASSERT_EQ(lines.size(), 3u);
  // Every character redraws the overline from just after the sign to its own end.
  for (const Op& l : lines) EXPECT_FLOAT_EQ(l.x1, 128);
  EXPECT_FLOAT_EQ(lines[1].x2, 182);
  EXPECT_FLOAT_EQ(lines[2].x2, 209);
  EXPECT_EQ(run.v.HROOT, 1);
  // In a fraction part on a later line too.
  run.log.clear();
  Render(run, "ﾀ1/2ﾀ", 0, 400);
  EXPECT_EQ(Lines(run).size(), 3u);
}

TEST(Root, LargeRadicalOverAFraction) {
  TestRun run;
  Render(run, "#ﾀ1/2ﾀﾝ", 100, 200);
  auto shown = run.shown();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].kind, OpKind::Polyline);
  const std::vector<std::pair<float, float>> sign{{104, 236}, {108, 224}, {116, 260}, {130, 186}, {138, 186}};
  EXPECT_EQ(shown[0].points, sign);
  EXPECT_EQ(shown[0].width, 3);
  EXPECT_EQ(shown[1].kind, OpKind::Line);  // bar
  EXPECT_FLOAT_EQ(shown[1].x1, 132);
  EXPECT_EQ(shown[2].kind, OpKind::Line);  // overline over the whole fraction
  EXPECT_FLOAT_EQ(shown[2].x1, 132);
  EXPECT_FLOAT_EQ(shown[2].x2, 164);
  EXPECT_FLOAT_EQ(shown[2].y1, 186);
  EXPECT_EQ(shown[2].width, 3);
  EXPECT_EQ(shown[3].kind, OpKind::Text);
  EXPECT_EQ(shown[4].kind, OpKind::Text);
  EXPECT_FLOAT_EQ(run.v.X, 164);
  EXPECT_EQ(run.v.HROOT, 0);
}

struct Overline {
  float x1, x2, y;
};

struct OverlineCase {
  const char* text;
  float x, y;
  std::vector<Overline> lines;  // the root overlines drawn on the page, in order
};

// Each overline starts where its sign's top stroke ends, at the same height, so a root reads
// as one closed line over its radicand.
TEST(Root, OverlinesMeetTheirSignsTopStroke) {
  const OverlineCase cases[] = {
      {"!3ﾝ", 100, 200, {{128, 155, 196}}},
      // The small radical of a numerator (drawn 10 above the fraction's top).
      {"ﾀ√3ﾝ/2ﾀ", 0, 300, {{26, 58, 284}}},
      // The large radical's line spans the fraction and runs on from its right end.
      {"#ﾀ1/2ﾀ3ﾝ", 100, 200, {{132, 164, 186}, {164, 191, 186}}},
      {"#2ﾝ", 0, 100, {{32, 59, 86}}},
  };
  for (const OverlineCase& c : cases) {
    SCOPED_TRACE(c.text);
    TestRun run;
    Render(run, c.text, c.x, c.y);
    std::vector<Op> overlines;
    std::optional<Op> sign;
    for (const Op& op : run.shown()) {
      if (op.kind == OpKind::Polyline && !sign) sign = op;
      if (op.kind == OpKind::Line && op.width == 3) overlines.push_back(op);
    }
    ASSERT_TRUE(sign.has_value());
    ASSERT_EQ(overlines.size(), c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_FLOAT_EQ(overlines[i].x1, c.lines[i].x1);
      EXPECT_FLOAT_EQ(overlines[i].x2, c.lines[i].x2);
      EXPECT_FLOAT_EQ(overlines[i].y1, c.lines[i].y);
      EXPECT_FLOAT_EQ(overlines[i].y2, c.lines[i].y);
    }
    // The sign's top stroke ends at or past the overline's start, at its height.
    EXPECT_FLOAT_EQ(sign->points.back().second, c.lines[0].y);
    EXPECT_GE(sign->points.back().first, c.lines[0].x1);
    EXPECT_EQ(run.v.HROOT, 0);
  }
}

TEST(Root, EmptyPassExtendsTheOverlineAndUsesUpTheExponent) {
  TestRun run;
  run.v.HROOT = 1;
  run.v.TXM = 50;
  run.v.JYOU = 1;
  run.v.X = 77;
  run.v.Y = 100;
  run.v.A_s = "";
  mathtext::DrawGlyphs(run.P);
  auto lines = Lines(run);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x1, 50);
  EXPECT_FLOAT_EQ(lines[0].x2, 101);
  EXPECT_FLOAT_EQ(lines[0].y1, 96);
  EXPECT_FLOAT_EQ(run.v.X, 101);
  EXPECT_EQ(run.v.JYOU, 0);
}

TEST(Exponent, DanglingMarkRaisesTheNextText) {
  TestRun run;
  Render(run, "x^", 0, 100);
  EXPECT_EQ(run.v.JYOU, 1);
  EXPECT_FLOAT_EQ(run.v.X, 27);
  Render(run, "2", 0, 100);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[1].v, 2);
  EXPECT_FLOAT_EQ(run.v.X, 24);
  EXPECT_EQ(run.v.JYOU, 0);
}

TEST(Exponent, DanglingSmallMarkRaisesTheNextText) {
  TestRun run;
  Render(run, "a\\", 0, 100);
  EXPECT_EQ(run.v.JYOUK, 1);
  Render(run, "2", 0, 100);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[1].y1, 90);
  EXPECT_FLOAT_EQ(texts[1].font.size, 8);
  EXPECT_FLOAT_EQ(run.v.X, 24);
  EXPECT_EQ(run.v.JYOUK, 0);
}

TEST(Exponent, DanglingMarkCrossesBetweenLessonTextAndPrompts) {
  TestRun run;
  Render(run, "2^", 0, 100);
  run.v.X = 0;
  run.v.AA_s = "5";
  shell::DrawPromptText(run.P);
  auto texts = Texts(run);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "5");  // kept half-width and raised
  EXPECT_FLOAT_EQ(texts[1].y1, 96);
  EXPECT_EQ(run.v.JYOU, 0);

  run.v.AA_s = "x^";
  shell::DrawPromptText(run.P);
  Render(run, "3", 0, 100);
  EXPECT_FLOAT_EQ(Texts(run).back().v, 2);
  EXPECT_FLOAT_EQ(run.v.X, 24);
}

TEST(Exponent, EmptyTextAndMarkAlone) {
  TestRun run;
  run.pf.setDrawWidth(5);
  Render(run, "", 40, 100);
  EXPECT_TRUE(run.log.empty());
  EXPECT_FLOAT_EQ(run.v.X, 40);
  Render(run, "^", 40, 100);
  EXPECT_TRUE(run.log.empty());
  EXPECT_FLOAT_EQ(run.v.X, 40);
  EXPECT_EQ(run.v.JYOU, 1);
  EXPECT_EQ(run.pf.drawWidth(), 5);
}

TEST(DrawWidth, CallersWidthIsKept) {
  TestRun run;
  run.pf.setDrawWidth(5);
  Render(run, "#ﾀ1/2ﾀﾝ+!3ﾝ", 0, 100);
  EXPECT_EQ(run.pf.drawWidth(), 5);
  EXPECT_EQ(run.v.DR, 5);
  EXPECT_FLOAT_EQ(run.v.Y, 100);
  int bars = 0;
  for (const Op& op : run.shown(OpKind::Line)) bars += op.width == 4;
  EXPECT_EQ(bars, 1);
}

TEST(Measure, GivesBackEachCallersPenAndText) {
  TestRun run;
  run.v.X = 123;
  run.v.Y = 456;
  run.v.A_s = "ﾀ1/12ﾀ+3";
  mathtext::MeasureMathText(run.P);
  EXPECT_FLOAT_EQ(run.v.LLT, 64 + 27 + 27);
  EXPECT_FLOAT_EQ(run.v.X, 123);
  EXPECT_FLOAT_EQ(run.v.Y, 456);
  EXPECT_EQ(run.v.A_s, "ﾀ1/12ﾀ+3");
  EXPECT_FLOAT_EQ(run.v.XX1, 123);
  EXPECT_FLOAT_EQ(run.v.YY1, 456);
  EXPECT_EQ(run.v.AA1_s, "ﾀ1/12ﾀ+3");
  EXPECT_EQ(run.v.AA_s, "");
  EXPECT_TRUE(run.shown().empty());
}

TEST(Measure, WidthIsTheAdvanceOfDrawingFromTheSameState) {
  const char* texts[] = {"∠APB=ﾀ1/2ﾀ∠AOB", "360%*ﾀ2/5ﾀ=", "x^2+ac", "#ﾀ1/2ﾀﾝ", "ﾀ-3+2/6ﾀ", "l=2.5", ""};
  for (const char* t : texts) {
    SCOPED_TRACE(t);
    TestRun measured, drawn;
    measured.v.A_s = t;
    mathtext::MeasureMathText(measured.P);
    Render(drawn, t, 0, 100);
    EXPECT_FLOAT_EQ(measured.v.LLT, drawn.v.X);
    // Measuring changes the renderer's state exactly as drawing does.
    EXPECT_EQ(measured.v.HROOT, drawn.v.HROOT);
    EXPECT_EQ(measured.v.JYOU, drawn.v.JYOU);
    EXPECT_FLOAT_EQ(measured.v.TXM, drawn.v.TXM);
  }
}

TEST(Measure, StateChangesOfTheMeasuredTextStay) {
  TestRun run;
  run.v.A_s = "!2^";
  mathtext::MeasureMathText(run.P);
  EXPECT_EQ(run.v.HROOT, 1);
  EXPECT_EQ(run.v.JYOU, 1);
}

TEST(Measure, InFractionModeUsesFractionAdvances) {
  TestRun run;
  run.v.BUN = 1;
  run.v.A_s = "12";
  mathtext::MeasureMathText(run.P);
  EXPECT_FLOAT_EQ(run.v.LLT, 64);
  run.v.A_s = "";
  mathtext::MeasureMathText(run.P);
  EXPECT_FLOAT_EQ(run.v.LLT, 0);
}

}  // namespace
}  // namespace mathtext_test
