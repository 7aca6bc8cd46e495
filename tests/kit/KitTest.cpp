// The lesson kit's promises that the screens rely on: the cursor leftovers of each text call,
// the sub-menu's choice taken before AINP is reset, answers landing on the boxes the proof
// drew, an unset option keeping its variable, and random sizes that stay within range.
#include <gtest/gtest.h>

#include <cmath>

#include "kit/Boxes.h"
#include "kit/Figures.h"
#include "kit/Flow.h"
#include "kit/Text.h"
#include "platform/Errors.h"
#include "platform/Page.h"
#include "shell/Program.h"
#include "support/TestRun.h"

namespace {

using testsupport::TestRun;

shell::Screen First(shell::Program&) { return {}; }
shell::Screen Second(shell::Program&) { return {}; }
constexpr kit::ScreenFn kTargets[] = {First, Second};

TEST(KitText, NewLineAndSameLineMoveTheCursorTextAtAndAtPenLeaveIt) {
  TestRun r;
  auto& v = r.P.v;
  kit::TextCursorAt(r.P, 72, 30);
  kit::TextOnNewLine(r.P, 72, 50, "AB", 3);
  EXPECT_EQ(v.YI1, 80);
  float afterFirst = v.XI2;
  EXPECT_GT(afterFirst, 72);
  EXPECT_EQ(v.CCC1, 3);
  kit::TextOnLine(r.P, 10, "C", 0);
  EXPECT_GT(v.XI2, afterFirst + 10);
  float cursorX = v.XI2;
  kit::TextAt(r.P, 500, 600, "D", 5);
  kit::TextAtPen(r.P, "E", 5);
  EXPECT_EQ(v.XI2, cursorX);
  EXPECT_EQ(v.YI1, 80);
  auto g = r.texts();
  ASSERT_EQ(g.size(), 5u);
  EXPECT_EQ(g[0].x1, 72); EXPECT_EQ(g[0].y1, 80);
  EXPECT_EQ(g[2].x1, afterFirst + 10);
  EXPECT_EQ(g[3].x1, 500); EXPECT_EQ(g[3].y1, 600);
  EXPECT_GT(g[4].x1, 500);  // "E" follows "D" at the pen
  EXPECT_EQ(g[4].y1, 600);
}

TEST(KitText, GoalTextLeavesTheCursorAfterTheSentence) {
  TestRun r;
  kit::DrawGoalText(r.P, "円周角の定理を証明しよう。");
  auto& v = r.P.v;
  EXPECT_EQ(v.XI1, 44);
  EXPECT_EQ(v.YI1, 305);
  EXPECT_EQ(v.CCC1, 0);
  auto g = r.texts();
  ASSERT_FALSE(g.empty());
  EXPECT_EQ(g.front().y1, 240);
  EXPECT_EQ(g.front().colour, 3);
  EXPECT_EQ(g.back().y1, 305);
  EXPECT_EQ(g.back().colour, 0);
  EXPECT_GT(v.XI2, g.back().x1);
}

TEST(KitSubMenu, ChoiceIsTakenBeforeAinpIsResetAndOutOfRangeAsksAgain) {
  struct Case { const char* keys; kit::ScreenFn chosen; float sentaku; bool resets; float ainpAfter; };
  const Case cases[] = {
      {"2{Enter}", Second, 2, true, 10},
      {"1{Enter}", First, 1, false, 1},
      {"0{Enter}3{Enter}{Enter}4/2{Enter}", Second, 2, true, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TestRun r(c.keys);
    shell::Screen next = kit::SubMenu(r.P, " ①一　②二", kTargets, c.resets);
    EXPECT_EQ(next.run, c.chosen);
    EXPECT_EQ(r.P.v.SENTAKU, c.sentaku);
    EXPECT_EQ(r.P.v.AINP, c.ainpAfter);
  }
}

TEST(KitBoxes, AnswersLandOnTheBoxesTheProofDrew) {
  TestRun r("ab");
  auto& v = r.P.v;
  static constexpr kit::Answer kAnswers[] = {{144, "∠OAP"}, {324, "∠OPA+∠OAP"}};
  static constexpr kit::AnswerBoxes kBoxes{kAnswers};
  kit::TextCursorAt(r.P, 72, 250);
  kit::TextOnNewLine(r.P, 72, 0, "∠OPA=", 0);
  float lineEnd = v.XI2;
  kit::EmptyAnswerBox(r.P, kBoxes, 1, 10);
  EXPECT_EQ(v.T_a(1), lineEnd + 10);
  EXPECT_EQ(v.F_a(1), 250);
  EXPECT_EQ(v.XI2, lineEnd + 10 + 144);
  kit::TextOnNewLine(r.P, 72, 60, "∠AOB=", 0);
  kit::EmptyAnswerBox(r.P, kBoxes, 2, 10);
  r.log.clear();
  kit::RevealAnswers(r.P, kBoxes);
  std::vector<platform::Op> fills;
  for (const auto& op : r.log)
    if (op.kind == platform::OpKind::Box && op.fill == 13) fills.push_back(op);
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].x1, v.T_a(1));
  EXPECT_EQ(fills[0].x2, v.T_a(1) + 144);
  EXPECT_EQ(fills[1].x1, v.T_a(2));
  EXPECT_EQ(fills[1].x2, v.T_a(2) + 324);
  EXPECT_EQ(v.CCC1, 5);
}

TEST(KitFigures, AnOptionNotGivenKeepsItsVariable) {
  TestRun r;
  auto& v = r.P.v;
  v.X_a(1) = 100; v.Y_a(1) = 100; v.X_a(2) = 200; v.Y_a(2) = 100;
  v.ITI = 7; v.AIDA = 12;
  kit::DrawTicks(r.P, 1, 2, 20, 1, 3);
  EXPECT_EQ(v.ITI, 7);
  EXPECT_EQ(v.AIDA, 24);  // grown by the mark for the next call, from the spacing left before
  kit::DrawTicks(r.P, 1, 2, 20, 1, 3, 0, 8);
  EXPECT_EQ(v.ITI, 0);
  EXPECT_EQ(v.AIDA, 16);
}

TEST(KitFlow, RandomSizeStaysWithinItsRange) {
  const float justUnderOne = std::nextafter(1.0f, 0.0f);
  struct Case { float rnd, base, span, expected; };
  // The last two reach base + span when the base is added before the whole part is taken.
  const Case cases[] = {{0, 3, 9, 3}, {0.5f, 3, 9, 7}, {justUnderOne, 20, 9, 28}, {justUnderOne, 100, 60, 159}};
  for (const Case& c : cases) {
    TestRun r;
    r.pf.random().fix(c.rnd);
    EXPECT_EQ(kit::RandomSize(r.P, c.base, c.span), c.expected) << c.rnd << " " << c.span;
  }
}

TEST(KitFigures, APathOfMoreThanSevenPointsIsAnIllegalCall) {
  TestRun r;
  EXPECT_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6, 7}, 0, kit::PathKind::Closed), platform::RuntimeError);
  EXPECT_NO_THROW(kit::DrawPath(r.P, {1, 2, 3, 4, 5, 6}, 0, kit::PathKind::Closed));
}

}  // namespace
