// The markup's structure: stacked fractions and their denominator tops, roots and their
// overlines across texts, the exponent mark, the caller's pen width, and nested measuring.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "mathtext/MathText.h"
#include "shell/Prompt.h"
#include "Rig.h"

namespace mathtext_test {
namespace {

void Render(Rig& rig, const std::string& text, float x, float y) {
  rig.v.X = x;
  rig.v.Y = y;
  rig.v.AA_s = text;
  mathtext::RenderMathText(rig.P);
}

std::vector<Op> Texts(const Rig& rig) { return rig.shown(OpKind::Text); }
std::vector<Op> Lines(const Rig& rig) { return rig.shown(OpKind::Line); }

TEST(Fraction, OneHalfAtTheWorkedPosition) {
  Rig rig;
  Render(rig, "ﾀ1/2ﾀ", 100, 200);
  auto lines = Lines(rig);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x1, 100);
  EXPECT_FLOAT_EQ(lines[0].y1, 225);
  EXPECT_FLOAT_EQ(lines[0].x2, 132);
  EXPECT_FLOAT_EQ(lines[0].y2, 225);
  EXPECT_EQ(lines[0].width, 4);
  auto texts = Texts(rig);
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
  EXPECT_FLOAT_EQ(rig.v.X, 132);
  EXPECT_FLOAT_EQ(rig.v.Y, 200);
  EXPECT_EQ(rig.v.BUN, 0);
  EXPECT_EQ(rig.v.AA_s, "");
  EXPECT_EQ(rig.pf.drawWidth(), 3);
}

TEST(Fraction, NarrowerPartIsCentred) {
  Rig rig;
  Render(rig, "ﾀ1/12ﾀ", 100, 200);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_FLOAT_EQ(texts[0].x1, 100);  // "1" of the denominator
  EXPECT_FLOAT_EQ(texts[1].x1, 132);  // "2"
  EXPECT_FLOAT_EQ(texts[2].x1, 116);  // numerator
  EXPECT_FLOAT_EQ(Lines(rig)[0].x2, 164);
  EXPECT_FLOAT_EQ(rig.v.X, 164);
}

TEST(Fraction, FurtherSlashBelongsToTheDenominator) {
  Rig rig;
  Render(rig, "ﾀ1/2/3ﾀ", 0, 200);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].text, "2");
  EXPECT_EQ(texts[1].text, "÷");
  EXPECT_FLOAT_EQ(texts[1].font.size, 11);
  EXPECT_EQ(texts[2].text, "3");
  EXPECT_EQ(texts[3].text, "1");
  // 32 + 38 + 32 wide; the numerator centred over it.
  EXPECT_FLOAT_EQ(rig.v.X, 102);
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
    Rig rig;
    Render(rig, c.text, 0, 300);
    // The first thing drawn after the bar is the denominator's first character.
    auto shown = rig.shown();
    ASSERT_GE(shown.size(), 2u);
    ASSERT_EQ(shown[0].kind, OpKind::Line);
    const Op& first = shown[1];
    float y = first.kind == OpKind::Polyline ? first.points[0].second : first.y1;
    EXPECT_FLOAT_EQ(y - c.firstOffset, 300 + c.top);
  }
}

TEST(Fraction, UnclosedMarkIsDroppedAndTheRestDrawnPlain) {
  Rig rig;
  Render(rig, "aﾀ1/2", 0, 100);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].font.face, "Times New Roman");
  EXPECT_EQ(texts[1].text, "1");
  EXPECT_EQ(texts[2].text, "÷");
  EXPECT_EQ(texts[3].text, "2");
  EXPECT_FLOAT_EQ(rig.v.X, 27 * 4);
}

TEST(Fraction, BodyWithoutSlashIsAllNumerator) {
  Rig rig;
  Render(rig, "ﾀ12ﾀ", 0, 100);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "");  // the empty denominator's one pass
  EXPECT_EQ(texts[1].text, "1");
  EXPECT_FLOAT_EQ(texts[1].y1, 90);
  EXPECT_EQ(texts[2].text, "2");
  EXPECT_FLOAT_EQ(rig.v.X, 64);
}

TEST(Fraction, EmptyBodyTakesNoRoom) {
  Rig rig;
  Render(rig, "ﾀﾀ5", 0, 100);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2].text, "5");
  EXPECT_FLOAT_EQ(texts[2].x1, 0);
}

TEST(Root, RadicalWithOverlineEndedByMark) {
  Rig rig;
  Render(rig, "!3ﾝ", 100, 200);
  auto shown = rig.shown();
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
  EXPECT_FLOAT_EQ(rig.v.X, 155);
  EXPECT_EQ(rig.v.HROOT, 0);
}

TEST(Root, LeftOpenItCoversLaterTexts) {
  Rig rig;
  Render(rig, "!3", 100, 200);
  Render(rig, "45", rig.v.X, 200);
  auto lines = Lines(rig);
  ASSERT_EQ(lines.size(), 3u);
  // Every character redraws the overline from just after the sign to its own end.
  for (const Op& l : lines) EXPECT_FLOAT_EQ(l.x1, 128);
  EXPECT_FLOAT_EQ(lines[1].x2, 182);
  EXPECT_FLOAT_EQ(lines[2].x2, 209);
  EXPECT_EQ(rig.v.HROOT, 1);
  // In a fraction part on a later line too.
  rig.clearLog();
  Render(rig, "ﾀ1/2ﾀ", 0, 400);
  EXPECT_EQ(Lines(rig).size(), 3u);
}

TEST(Root, LargeRadicalOverAFraction) {
  Rig rig;
  Render(rig, "#ﾀ1/2ﾀﾝ", 100, 200);
  auto shown = rig.shown();
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
  EXPECT_FLOAT_EQ(rig.v.X, 164);
  EXPECT_EQ(rig.v.HROOT, 0);
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
    Rig rig;
    Render(rig, c.text, c.x, c.y);
    std::vector<Op> overlines;
    std::optional<Op> sign;
    for (const Op& op : rig.shown()) {
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
    EXPECT_EQ(rig.v.HROOT, 0);
  }
}

TEST(Root, EmptyPassExtendsTheOverlineAndUsesUpTheExponent) {
  Rig rig;
  rig.v.HROOT = 1;
  rig.v.TXM = 50;
  rig.v.JYOU = 1;
  rig.v.X = 77;
  rig.v.Y = 100;
  rig.v.A_s = "";
  mathtext::DrawGlyphs(rig.P);
  auto lines = Lines(rig);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FLOAT_EQ(lines[0].x1, 50);
  EXPECT_FLOAT_EQ(lines[0].x2, 101);
  EXPECT_FLOAT_EQ(lines[0].y1, 96);
  EXPECT_FLOAT_EQ(rig.v.X, 101);
  EXPECT_EQ(rig.v.JYOU, 0);
}

TEST(Exponent, DanglingMarkRaisesTheNextText) {
  Rig rig;
  Render(rig, "x^", 0, 100);
  EXPECT_EQ(rig.v.JYOU, 1);
  EXPECT_FLOAT_EQ(rig.v.X, 27);
  Render(rig, "2", 0, 100);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[1].v, 2);
  EXPECT_FLOAT_EQ(rig.v.X, 24);
  EXPECT_EQ(rig.v.JYOU, 0);
}

TEST(Exponent, DanglingSmallMarkRaisesTheNextText) {
  Rig rig;
  Render(rig, "a\\", 0, 100);
  EXPECT_EQ(rig.v.JYOUK, 1);
  Render(rig, "2", 0, 100);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_FLOAT_EQ(texts[1].y1, 90);
  EXPECT_FLOAT_EQ(texts[1].font.size, 8);
  EXPECT_FLOAT_EQ(rig.v.X, 24);
  EXPECT_EQ(rig.v.JYOUK, 0);
}

TEST(Exponent, DanglingMarkCrossesBetweenLessonTextAndPrompts) {
  Rig rig;
  Render(rig, "2^", 0, 100);
  rig.v.X = 0;
  rig.v.AA_s = "5";
  shell::DrawPromptText(rig.P);
  auto texts = Texts(rig);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "5");  // kept half-width and raised
  EXPECT_FLOAT_EQ(texts[1].y1, 96);
  EXPECT_EQ(rig.v.JYOU, 0);

  rig.v.AA_s = "x^";
  shell::DrawPromptText(rig.P);
  Render(rig, "3", 0, 100);
  EXPECT_FLOAT_EQ(Texts(rig).back().v, 2);
  EXPECT_FLOAT_EQ(rig.v.X, 24);
}

TEST(Exponent, EmptyTextAndMarkAlone) {
  Rig rig;
  rig.pf.setDrawWidth(5);
  Render(rig, "", 40, 100);
  EXPECT_TRUE(rig.log.empty());
  EXPECT_FLOAT_EQ(rig.v.X, 40);
  Render(rig, "^", 40, 100);
  EXPECT_TRUE(rig.log.empty());
  EXPECT_FLOAT_EQ(rig.v.X, 40);
  EXPECT_EQ(rig.v.JYOU, 1);
  EXPECT_EQ(rig.pf.drawWidth(), 5);
}

TEST(DrawWidth, CallersWidthIsKept) {
  Rig rig;
  rig.pf.setDrawWidth(5);
  Render(rig, "#ﾀ1/2ﾀﾝ+!3ﾝ", 0, 100);
  EXPECT_EQ(rig.pf.drawWidth(), 5);
  EXPECT_EQ(rig.v.DR, 5);
  EXPECT_FLOAT_EQ(rig.v.Y, 100);
  int bars = 0;
  for (const Op& op : rig.shown(OpKind::Line)) bars += op.width == 4;
  EXPECT_EQ(bars, 1);
}

TEST(Measure, GivesBackEachCallersPenAndText) {
  Rig rig;
  rig.v.X = 123;
  rig.v.Y = 456;
  rig.v.A_s = "ﾀ1/12ﾀ+3";
  mathtext::MeasureMathText(rig.P);
  EXPECT_FLOAT_EQ(rig.v.LLT, 64 + 27 + 27);
  EXPECT_FLOAT_EQ(rig.v.X, 123);
  EXPECT_FLOAT_EQ(rig.v.Y, 456);
  EXPECT_EQ(rig.v.A_s, "ﾀ1/12ﾀ+3");
  EXPECT_FLOAT_EQ(rig.v.XX1, 123);
  EXPECT_FLOAT_EQ(rig.v.YY1, 456);
  EXPECT_EQ(rig.v.AA1_s, "ﾀ1/12ﾀ+3");
  EXPECT_EQ(rig.v.AA_s, "");
  EXPECT_TRUE(rig.shown().empty());
}

TEST(Measure, WidthIsTheAdvanceOfDrawingFromTheSameState) {
  const char* texts[] = {"∠APB=ﾀ1/2ﾀ∠AOB", "360%*ﾀ2/5ﾀ=", "x^2+ac", "#ﾀ1/2ﾀﾝ", "ﾀ-3+2/6ﾀ", "l=2.5", ""};
  for (const char* t : texts) {
    SCOPED_TRACE(t);
    Rig measured, drawn;
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
  Rig rig;
  rig.v.A_s = "!2^";
  mathtext::MeasureMathText(rig.P);
  EXPECT_EQ(rig.v.HROOT, 1);
  EXPECT_EQ(rig.v.JYOU, 1);
}

TEST(Measure, InFractionModeUsesFractionAdvances) {
  Rig rig;
  rig.v.BUN = 1;
  rig.v.A_s = "12";
  mathtext::MeasureMathText(rig.P);
  EXPECT_FLOAT_EQ(rig.v.LLT, 64);
  rig.v.A_s = "";
  mathtext::MeasureMathText(rig.P);
  EXPECT_FLOAT_EQ(rig.v.LLT, 0);
}

}  // namespace
}  // namespace mathtext_test
