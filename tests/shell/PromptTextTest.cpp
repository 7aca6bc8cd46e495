// The prompt text path: which glyph lands where for a prompt, the exponent flag kept
// between calls, the full-width conversion and the removal of half-width blanks.
#include <string>
#include <vector>

#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "platform/Strings.h"
#include "shell/Prompt.h"

namespace {

using testsupport::Glyph;
using testsupport::TestRun;

constexpr float kX = 100, kY = 200;

struct PromptCase {
  std::string prompt;
  std::vector<Glyph> glyphs;  // visible glyphs with their top-left corners
  float advance;              // how far X moves
  float jyou;                 // the exponent flag afterwards
};

void PrintTo(const PromptCase& c, std::ostream* os) { *os << "\"" << c.prompt << "\""; }

class PromptText : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PromptText, DrawsEachGlyphInItsCell) {
  const PromptCase& c = GetParam();
  TestRun run;
  auto& v = run.P.v;
  v.X = kX; v.Y = kY; v.CCC1 = 7; v.AA_s = c.prompt;
  shell::DrawPromptText(run.P);
  EXPECT_EQ(testsupport::Glyphs(run.texts()), c.glyphs);
  EXPECT_EQ(v.X, kX + c.advance);
  EXPECT_EQ(v.JYOU, c.jyou);
  EXPECT_EQ(v.Y, kY);
  EXPECT_EQ(v.AA_s, "");
  for (const auto& op : run.texts()) {
    EXPECT_EQ(op.colour, 7);
    EXPECT_TRUE(op.font.bold);
    EXPECT_EQ(op.h, 1);
    EXPECT_EQ(op.v, 1);
  }
  EXPECT_TRUE(run.pf.font().bold) << "bold is left on";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PromptText,
    ::testing::Values(
        PromptCase{"1.5", {{"１", 100, 200}, {"．", 112, 200}, {"５", 116, 200}}, 32, 0},
        PromptCase{"x^2", {{"χ", 100, 200}, {"2", 116, 196}}, 32, 0},
        PromptCase{"^.", {{".", 100, 196}}, 16, 0},
        PromptCase{"^ ", {}, 16, 0},
        PromptCase{"^^2", {{"2", 100, 196}}, 16, 0},
        PromptCase{"^Ｘ", {{"Ｘ", 100, 200}}, 16, 0},
        PromptCase{"x^", {{"χ", 100, 200}}, 16, 1},
        PromptCase{"A", {{"Α", 100, 200}}, 16, 0},
        PromptCase{"z", {{"z", 100, 196}}, 16, 0},
        PromptCase{"#ｱ", {{"#", 100, 196}, {"ｱ", 116, 196}}, 32, 0},
        PromptCase{"Enter", {{"Ｅ", 100, 200}, {"ｎ", 116, 200}, {"ｔ", 132, 200}, {"ｅ", 148, 200}, {"ｒ", 164, 200}}, 80, 0},
        PromptCase{"P…-1", {{"Ｐ", 100, 200}, {"…", 116, 200}, {"－", 132, 200}, {"１", 148, 200}}, 64, 0},
        PromptCase{"1/2", {{"１", 100, 200}, {"÷", 116, 200}, {"２", 132, 200}}, 48, 0},
        PromptCase{"a b", {{"ａ", 100, 200}, {"ｂ", 132, 200}}, 48, 0},
        PromptCase{" ①操作　②", {{"①", 116, 200}, {"操", 132, 200}, {"作", 148, 200}, {"　", 164, 200}, {"②", 180, 200}}, 96, 0},
        PromptCase{"*-ﾀ?!$@&'[]%~:", {{"×", 100, 200}, {"－", 116, 200}, {"―", 132, 200}, {"∽", 148, 200},
                                          {"√", 164, 200}, {"≡", 180, 200}, {"±", 196, 200}, {"π", 212, 200},
                                          {"∠", 228, 200}, {"≦", 244, 200}, {"≧", 260, 200}, {"°", 276, 200},
                                          {"△", 292, 200}, {"：", 308, 200}}, 224, 0}));

TEST(PromptText, LongPromptsKeepAnEvenPitch) {
  for (auto [prompt, advance] : {std::pair<std::string, float>{"番号を入力して下さい。", 176}, {"次のステップは１を入力。", 192}}) {
    TestRun run;
    run.P.v.X = 0; run.P.v.Y = 0; run.P.v.AA_s = prompt;
    shell::DrawPromptText(run.P);
    EXPECT_EQ(run.P.v.X, advance) << prompt;
    auto t = run.texts();
    for (size_t i = 0; i < t.size(); ++i) EXPECT_EQ(t[i].x1, 16.0f * i) << prompt;
  }
}

TEST(PromptText, EmptyPromptTouchesNothing) {
  TestRun run;
  auto& v = run.P.v;
  v.X = 40; v.A_s = "kept";
  shell::DrawPromptText(run.P);
  EXPECT_TRUE(run.log.empty());
  EXPECT_EQ(v.X, 40);
  EXPECT_EQ(v.A_s, "kept");
}

TEST(PromptText, LeavesTheLastCharacterTakenInA) {
  TestRun run;
  auto& v = run.P.v;
  v.AA_s = "1.5";
  shell::DrawPromptText(run.P);
  EXPECT_EQ(v.A_s, "5");
  v.AA_s = "a ";
  shell::DrawPromptText(run.P);
  EXPECT_EQ(v.A_s, "") << "a trailing blank leaves A$ empty";
}

TEST(PromptText, DanglingExponentMarkRaisesTheNextGlyphOfAnyCaller) {
  TestRun run;
  auto& v = run.P.v;
  v.X = kX; v.Y = kY; v.AA_s = "x^";
  shell::DrawPromptText(run.P);
  ASSERT_EQ(v.JYOU, 1);
  v.A_s = "5"; v.X = 300;
  shell::DrawTextAt(run.P);
  EXPECT_EQ(testsupport::Glyphs(run.texts()).back(), (Glyph{"5", 300, 196}));
  EXPECT_EQ(v.JYOU, 0);
  v.AA_s = "5";
  shell::DrawPromptText(run.P);
  EXPECT_EQ(run.texts().back().text, "５") << "the flag was consumed";
}

struct TextAtCase {
  std::string text;
  std::vector<Glyph> glyphs;
  float xt;
};

TEST(DrawTextAt, BlanksTakeACellOnlyWhenTheyAreAllThereIs) {
  const TextAtCase cases[] = {
      {"", {}, 116},
      {" ", {}, 116},
      {"1 2", {{"１", 100, 200}, {"２", 116, 200}}, 132},
  };
  for (const auto& c : cases) {
    TestRun run;
    auto& v = run.P.v;
    v.X = kX; v.Y = kY; v.A_s = c.text;
    shell::DrawTextAt(run.P);
    EXPECT_EQ(testsupport::Glyphs(run.texts()), c.glyphs) << "'" << c.text << "'";
    EXPECT_EQ(v.XT, c.xt) << "'" << c.text << "'";
    EXPECT_EQ(v.X, kX) << "the caller moves its own pen";
  }
}

TEST(StripBlanks, RemovesHalfWidthBlanksOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {" 12", "12"}, {"1 2 3", "123"}, {"　1", "　1"}, {"", ""}, {"- 3 ", "-3"}, {"角 度", "角度"},
  };
  for (const auto& [in, out] : cases) {
    TestRun run;
    run.P.v.A_s = in;
    shell::StripBlanks(run.P);
    EXPECT_EQ(run.P.v.A_s, out) << "'" << in << "'";
  }
}

// The scratch a byte-by-byte pass leaves: the byte count, the counter one past it (two for an
// empty text, whose one pass still counts), and the last byte looked at.
TEST(StripBlanks, LeavesTheByteLoopsScratch) {
  struct Case {
    std::string in;
    float bytes, counter;
    std::string lastByte;
  } cases[] = {
      {"", 0, 2, ""},
      {" 12", 3, 4, "2"},
      {"1 ", 2, 3, " "},
      {"角", 2, 3, platform::bRight("角", 1)},
  };
  for (const auto& c : cases) {
    TestRun run;
    run.P.v.A_s = c.in;
    shell::StripBlanks(run.P);
    EXPECT_EQ(run.P.v.KB8, c.bytes) << "'" << c.in << "'";
    EXPECT_EQ(run.P.v.IB8, c.counter) << "'" << c.in << "'";
    EXPECT_EQ(run.P.v.X8_s, c.lastByte) << "'" << c.in << "'";
    EXPECT_EQ(platform::bLen(run.P.v.X8_s), c.in.empty() ? 0 : 1) << "'" << c.in << "'";
  }
}

}  // namespace
