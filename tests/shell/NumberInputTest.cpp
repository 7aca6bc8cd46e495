// The number input on scripted keys: what is accepted, echoed and cleared, the value of the
// typed text (fractions, signs, a zero denominator), and where each prompt draws and erases.
#include <string>
#include <vector>

#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "platform/Number.h"
#include "shell/Input.h"

namespace {

using platform::Op;
using platform::OpKind;
using testsupport::BoxSeen;
using testsupport::Glyph;
using testsupport::TestRun;

// The glyphs echoed into the field (drawn in colour 5).
std::vector<Glyph> echoed(const TestRun& run) {
  std::vector<Op> echo;
  for (const auto& op : run.texts())
    if (op.colour == 5) echo.push_back(op);
  return testsupport::Glyphs(echo);
}

struct KeysCase {
  std::string keys;
  std::string typed;  // AINP$
  float value;        // AINP
  std::vector<Glyph> echo;
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << "\"" << c.keys << "\""; }

class NumberKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(NumberKeys, TypedTextValueAndEcho) {
  const KeysCase& c = GetParam();
  TestRun run(c.keys);
  shell::AskMenuNumber(run.P);
  EXPECT_EQ(run.P.v.AINP_s, c.typed);
  EXPECT_FLOAT_EQ(run.P.v.AINP, c.value);
  if (!c.echo.empty()) {
    EXPECT_EQ(echoed(run), c.echo);
  }
  EXPECT_EQ(run.device.remaining(), 0u) << "the input ended on the last Enter";
}

const float Y = 648;

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberKeys,
    ::testing::Values(
        KeysCase{"{Enter}", "", 0, {}},
        KeysCase{"3{Enter}", "3", 3, {{"３", 1056, Y}}},
        KeysCase{"3/4{Enter}", "3/4", 0.75f, {{"３", 1056, Y}, {"÷", 1072, Y}, {"４", 1088, Y}}},
        KeysCase{"/4{Enter}", "/4", 0, {}},
        KeysCase{"-2{Enter}", "-2", -2, {{"－", 1056, Y}, {"２", 1072, Y}}},
        KeysCase{"1.5{Enter}", "1.5", 1.5f, {{"１", 1056, Y}, {"．", 1068, Y}, {"５", 1072, Y}}},
        KeysCase{"1/2/4{Enter}", "1/2/4", 0.5f, {}},
        KeysCase{"1/-2{Enter}", "1/-2", -0.5f, {}},
        KeysCase{"123456789{Enter}", "123456789", platform::val("123456789"), {}},
        KeysCase{"1234567890{Enter}{Enter}", "", 0, {}},
        KeysCase{"12345678907{Enter}", "", 0, {}},
        KeysCase{"12345678907+{Enter}", "", 0, {}},
        KeysCase{"123456789017{Enter}", "7", 7, {}},
        KeysCase{"12{Backspace}3{Enter}", "3", 3, {}},
        KeysCase{"12{Delete}{Enter}", "", 0, {}},
        KeysCase{"+a {Left}{Esc}4{Enter}", "4", 4, {{"４", 1056, Y}}},
        KeysCase{"{Idle}{Idle}5{Idle}{Enter}", "5", 5, {{"５", 1056, Y}}}));

// A zero denominator is no number: the value is 0 and the text stays as typed.
TEST(NumberKeys, ZeroDenominatorGivesNoNumber) {
  for (std::string typed : {"1/0", "4/", "/", "3/0.0", "-5/-0", "0/0", "7/.0"}) {
    TestRun run(typed + "{Enter}");
    run.P.v.AINP = 99;
    EXPECT_NO_THROW(shell::AskMenuNumber(run.P)) << typed;
    EXPECT_EQ(run.P.v.AINP, 0) << typed;
    EXPECT_EQ(run.P.v.AINP_s, typed);
  }
}

TEST(NumberKeys, TenthCharacterShownAndNextKeyClearsTheField) {
  TestRun run("1234567890{Enter}8{Enter}");
  shell::AskMenuNumber(run.P);
  auto echo = echoed(run);
  ASSERT_EQ(echo.size(), 11u);
  EXPECT_EQ(echo[9], (Glyph{"０", 1200, Y}));
  EXPECT_EQ(echo[10], (Glyph{"８", 1056, Y})) << "the field starts again at the anchor";
  auto boxes = run.ops(OpKind::Box);
  bool cleared = false;
  for (const auto& b : boxes) cleared |= testsupport::BoxOf(b) == BoxSeen{1056, 640, 1248, 670, 15, 15, 3};
  EXPECT_TRUE(cleared) << "the field box was erased";
  EXPECT_EQ(run.P.v.AINP_s, "8");
}

TEST(NumberKeys, CursorBlinksAtTheFieldPenAndStaysBehindThePoint) {
  TestRun run("{Idle}1.{Idle}{Enter}");
  shell::AskMenuNumber(run.P);
  std::vector<std::pair<float, int>> discs;  // centre x and colour
  for (const auto& c : run.ops(OpKind::Circle)) {
    EXPECT_EQ(c.r, 4);
    EXPECT_EQ(c.y1, 656);
    EXPECT_EQ(c.fill, c.colour) << "a filled disc";
    discs.push_back({c.x1, c.colour});
  }
  const std::vector<std::pair<float, int>> expected = {
      {1064, 5}, {1064, 15},             // empty poll: drawn, then wiped
      {1064, 5}, {1064, 15},             // "1": wiped before the echo
      {1080, 5}, {1080, 15},             // "."
      {1080, 5}, {1080, 15},             // the point did not move the cursor; empty poll
      {1080, 5}, {1080, 15},             // Enter
  };
  EXPECT_EQ(discs, expected);
}

TEST(NumberKeys, IgnoredKeyLeavesTheCursorDrawn) {
  TestRun run("a{Enter}");
  shell::AskMenuNumber(run.P);
  std::vector<int> colours;
  for (const auto& c : run.ops(OpKind::Circle)) colours.push_back(c.colour);
  EXPECT_EQ(colours, (std::vector<int>{5, 5, 15}));
}

TEST(AskMenuNumber, PromptLabelAndFieldSitOnOneLine) {
  TestRun run("2{Enter}");
  shell::AskMenuNumber(run.P);
  auto t = run.texts();
  ASSERT_EQ(t.size(), 11u + 2 + 1);
  EXPECT_EQ(Glyph(t[0].text, t[0].x1, t[0].y1), (Glyph{"番", 816, 648}));
  EXPECT_EQ(Glyph(t[10].text, t[10].x1, t[10].y1), (Glyph{"。", 976, 648}));
  EXPECT_EQ(Glyph(t[11].text, t[11].x1, t[11].y1), (Glyph{"入", 1008, 648}));
  EXPECT_EQ(Glyph(t[12].text, t[12].x1, t[12].y1), (Glyph{"力", 1024, 648}));
  for (int i = 0; i < 13; ++i) EXPECT_EQ(t[i].colour, 0);
  EXPECT_EQ(t[13].colour, 5);
  ASSERT_FALSE(run.ops(OpKind::Box).empty());
  EXPECT_EQ(testsupport::BoxOf(run.ops(OpKind::Box).back()), (BoxSeen{1008, 640, 1248, 670, 15, 15, 3})) << "label and field erased";

  run.log.clear();
  shell::ClearMenuPrompt(run.P);
  ASSERT_EQ(run.ops(OpKind::Box).size(), 1u);
  EXPECT_EQ(testsupport::BoxOf(run.ops(OpKind::Box)[0]), (BoxSeen{816, 640, 1872, 690, 15, 15, 3}));
}

TEST(AskMenuNumber, LeavesTheSharedVariablesAsTheLessonsExpect) {
  struct Case {
    std::string keys;
    float colour;  // CCC1 afterwards
  };
  for (const Case& c : {Case{"{Enter}", 0}, Case{"+{Enter}", 0}, Case{"1{Backspace}{Enter}", 5}, Case{"4{Enter}", 5}}) {
    TestRun run(c.keys);
    auto& v = run.P.v;
    run.P.line = 500;
    shell::AskMenuNumber(run.P);
    EXPECT_EQ(v.CCC1, c.colour) << c.keys;
    EXPECT_EQ(v.AA_s, "");
    EXPECT_EQ(v.Y, v.KAIY);
    EXPECT_EQ(v.I_s, "\r");
    EXPECT_EQ(v.X1, 992) << "where the prompt ended";
    EXPECT_EQ(run.P.line, 500) << "the caller's line again";
  }
}

TEST(AskChoiceAtFoot, DrawsTheCallersLineAtTheFoot) {
  TestRun run("3{Enter}");
  auto& v = run.P.v;
  v.CCC1 = 4;
  v.AA_s = " ①操作　②終了^";
  shell::AskChoiceAtFoot(run.P);
  auto t = run.texts();
  ASSERT_GE(t.size(), 4u);
  EXPECT_EQ(Glyph(t[0].text, t[0].x1, t[0].y1), (Glyph{"①", 32, 666}));
  EXPECT_EQ(t[0].colour, 0);
  // The flag the line left is taken by the label's first glyph, so the echo is converted.
  EXPECT_EQ(Glyph(t[7].text, t[7].x1, t[7].y1), (Glyph{"入", 1008, 648}));
  EXPECT_EQ(echoed(run), (std::vector<Glyph>{{"３", 1056, 648}}));
  EXPECT_EQ(v.JYOU, 0);
  EXPECT_EQ(v.AINP, 3);
}

TEST(AskNextStep, DrawsItsBoxAndErasesAllItDrew) {
  for (auto [keys, colour] : {std::pair<std::string, float>{"1{Enter}", 5}, {"{Enter}", 0}}) {
    TestRun run(keys);
    auto& v = run.P.v;
    run.pf.setDrawWidth(5);
    v.CCC1 = 4;
    shell::AskNextStep(run.P);
    auto boxes = run.ops(OpKind::Box);
    ASSERT_GE(boxes.size(), 4u);
    EXPECT_EQ(testsupport::BoxOf(boxes.front()), (BoxSeen{96, 639, 400, 675, 13, 12, 2}));
    EXPECT_EQ(testsupport::BoxOf(boxes[boxes.size() - 2]), (BoxSeen{1008, 639, 1168, 666, 15, 15, 2}));
    EXPECT_EQ(testsupport::BoxOf(boxes.back()), (BoxSeen{96, 639, 400, 675, 15, 15, 2}));
    auto t = run.texts();
    EXPECT_EQ(Glyph(t[0].text, t[0].x1, t[0].y1), (Glyph{"次", 128, 648}));
    EXPECT_EQ(t[0].colour, 9);
    for (const auto& c : run.ops(OpKind::Circle)) EXPECT_EQ(c.width, 2);
    EXPECT_EQ(run.pf.drawWidth(), 5) << "the caller's width again";
    EXPECT_EQ(v.CCC1, colour) << keys << ": never 9, never the caller's";
  }
}

TEST(ParseNumberInput, SplitsAtTheFirstSlash) {
  TestRun run;
  auto& v = run.P.v;
  v.AINP_s = "12/3/4";
  shell::ParseNumberInput(run.P);
  EXPECT_EQ(v.A_s, "12");
  EXPECT_EQ(v.B_s, "3/4");
  EXPECT_EQ(v.AINP, 4);
  EXPECT_EQ(v.LEM, 6);
  EXPECT_EQ(v.N, 3);
  EXPECT_EQ(v.AINP_s, "12/3/4");
}

}  // namespace
