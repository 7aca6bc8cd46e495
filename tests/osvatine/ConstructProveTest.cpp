// Item 2's goal and sub-menu, and its first screen: the tangents from A to circle O constructed
// stroke by stroke, then the reason and the equal tangents.
#include <gtest/gtest.h>

#include <cmath>

#include "ScreenChecks.h"
#include "Support.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/MainMenu.h"

namespace osvatine_test {
namespace {

using osvatine::ApplicationsMainMenu;
using osvatine::ConstructProveSubMenu;
using shell::Screen;

TEST(ConstructProve, GoalTextThenTheChoiceLineWithNoKeyWait) {
  auto r = Play("2{Enter}");
  const Log& log = r.log;
  size_t start = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  ExpectTextLine(log, start, 44, 240, 3, "<めあて>", 1440);
  ExpectTextLine(log, start, 44, 305, 0, "作図や証明に円の性質を利用しよう。", 1440);
  auto choice = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 666; }, start);
  ASSERT_FALSE(choice.empty());
  EXPECT_EQ(log[choice[0]].x1, 16);
  EXPECT_EQ(TextOf(log, choice.front(), choice.back() + 1), "①Ｐ１７３説明しよう　②練習　③例題１　④問５　⑤問６　⑥終了");
  EXPECT_TRUE(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }, start).empty());
}

// Numbers that name no choice ask again and change nothing above the foot band.
TEST(ConstructProve, SubMenuTakesWholeChoicesAndAsksAgainOverTheUnchangedPage) {
  struct Case { const char* keys; Screen next; int asked; };
  const Case cases[] = {
      {"6", {ApplicationsMainMenu}, 1},
      {"2.5{Enter}6.5{Enter}1/2{Enter}0{Enter}7{Enter}-1{Enter}6", {ApplicationsMainMenu}, 7},
      {"1/0{Enter}1", {osvatine::TangentConstruction}, 2},
      {"1", {osvatine::TangentConstruction}, 1},
      {"2", {osvatine::TangentPerimeter}, 1},
      {"3", {osvatine::ChordsSimilarityProof}, 1},
      {"4", {osvatine::Problem5Answer}, 1},
      {"5", {osvatine::ParallelChordsProof}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Bare b(std::string(c.keys) + "{Enter}");
    EXPECT_EQ(ConstructProveSubMenu(b.P), c.next);
    auto lines = IndexesOf(b.log, [](const Op& o) { return IsText(o, "⑥"); });
    EXPECT_EQ(static_cast<int>(lines.size()), c.asked);
    for (const Op& o : b.log) EXPECT_GE(o.by1, 635) << static_cast<int>(o.kind) << " " << o.text;
    EXPECT_EQ(b.P.v.AINP, 10);
  }
}

TEST(ConstructProve, SixRedrawsTheMainMenuAndTwoShowsTheGoalAgain) {
  auto r = Play("2{Enter}6{Enter}2{Enter}");
  const Log& log = r.log;
  size_t from = AfterLast(log, [](const Op& o) { return IsText(o, "⑥"); });
  auto panels = IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); });
  ASSERT_EQ(panels.size(), 2u);
  EXPECT_TRUE(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }).empty());
  size_t again = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  EXPECT_GT(again, panels[1]);
  EXPECT_LT(again, from);
  ExpectTextLine(log, again, 44, 240, 3, "<めあて>", 1440);
  ExpectTextLine(log, again, 44, 305, 0, "作図や証明に円の性質を利用しよう。", 1440);
}

const std::string kEnterTangents = "2{Enter}1{Enter}";

TEST(TangentConstruction, NineKeysConstructTheTangents) {
  auto r = Play(kEnterTangents + Repeat("x", 9));
  const Log& log = r.log;
  size_t start = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  // The two compass arcs with their radius-8 dots, equal radii, across AO.
  struct Arc { float cx, start, end; };
  const Arc arcs[] = {{720, 0.876f, 0.124f}, {1080, 0.376f, 0.624f}};
  for (const Arc& a : arcs) {
    SCOPED_TRACE(a.cx);
    auto at = IndexesOf(log, [&](const Op& o) { return IsCircleAt(o, a.cx, 300, 201.25f, 0.01f); }, start);
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(log[at[0]].colour, 7);
    EXPECT_NEAR(log[at[0]].start, a.start, 0.001);
    EXPECT_NEAR(log[at[0]].end, a.end, 0.001);
    EXPECT_TRUE(IsCircleAt(log[at[0] - 1], a.cx, 300, 8, 0.01f));
    EXPECT_EQ(log[at[0] - 1].colour, 7);
  }
  auto bisector = OpsOf(log, [](const Op& o) {
    return o.kind == OpKind::Line && o.x1 == 900 && o.y1 == 195 && o.x2 == 900 && o.y2 == 405;
  }, start);
  EXPECT_EQ(bisector.size(), 1u);
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 900, 300, 180, 0.01f); }, start).size(), 1u);
  auto tangents = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 3; }, start);
  ASSERT_EQ(tangents.size(), 2u);
  const float ends[] = {164.68f, 435.32f};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(tangents[i].x1, 720);
    EXPECT_EQ(tangents[i].y1, 300);
    EXPECT_NEAR(tangents[i].x2, 1102.75, 0.01);
    EXPECT_NEAR(tangents[i].y2, ends[i], 0.01);
  }
  ExpectTextLine(log, start, 36, 360, 0, "　直線AP,AP'をひく。");
  // Nine keys, then the screen's own wait.
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }, start).size(), 10u);
}

TEST(TangentConstruction, SevenKeysMoreGiveTheReasonAndTheSubMenu) {
  auto r = Play(kEnterTangents + Repeat("x", 16));
  const Log& log = r.log;
  size_t start = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  ExpectTextLine(log, start, 36, 30, 3, "この方法で円の接線が作図できる理由を説明しよう。", 1440);
  // Drawn at 36: its two leading blanks advance the pen without drawing.
  ExpectTextLine(log, start, 36 + 2 * 27, 540, 5, "AP=AP'");
  auto book = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 590; }, start);
  ASSERT_FALSE(book.empty());
  EXPECT_EQ(log[book[0]].x1, 240);
  EXPECT_EQ(log[book[0]].colour, 7);
  EXPECT_EQ(TextOf(log, book.front(), book.back() + 1), "教科書P173問4　をしなさい。");
  // The radii and their right angles, drawn twice; then the choice line with no wait between.
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.x1 == 1080 && o.y1 == 300 &&
                                                o.colour == 0 && o.x2 < 1040; }, start).size(), 4u);
  size_t afterBook = book.back();
  EXPECT_TRUE(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }, afterBook).empty());
  EXPECT_FALSE(IndexesOf(log, [](const Op& o) { return IsText(o, "⑥"); }, afterBook).empty());
  EXPECT_EQ(r.v.SENTAKU, 1);  // nothing chosen since
}

TEST(TangentPerimeter, SevenKeysWorkThePerimeterOutThenTheSubMenu) {
  auto r = Play("2{Enter}2{Enter}" + Repeat("x", 7));
  const Log& log = r.log;
  size_t start = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }, start).size(), 7u);
  EXPECT_FALSE(IndexesOf(log, [](const Op& o) { return IsText(o, "⑥"); }, start).empty());
  // P and R, the feet of the perpendiculars from O, with their dots.
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 829.4f, 305.5f, 4, 0.1f); }, start).size(), 1u);
  EXPECT_EQ(OpsOf(log, [](const Op& o) { return IsCircleAt(o, 1180.6f, 305.5f, 4, 0.1f); }, start).size(), 1u);
  // Each sign is a run of dots in its colour; the one named has its apex, the middle dot, where given.
  std::vector<std::vector<Op>> runs;
  for (size_t i = start; i < log.size(); ++i) {
    bool dot = log[i].kind == OpKind::Circle && log[i].r == 0.5f;
    if (!dot) continue;
    if (runs.empty() || i == 0 || !(log[i - 1].kind == OpKind::Circle && log[i - 1].r == 0.5f &&
                                     log[i - 1].colour == log[i].colour))
      runs.emplace_back();
    runs.back().push_back(log[i]);
  }
  EXPECT_EQ(runs.size(), 2u + 8u);
  struct Sign { const char* label; int colour; size_t dots; float apexX, apexY; };
  const Sign signs[] = {{"5cm", 9, 37, 1005, 125}, {"7cm", 9, 61, 1005, 565}, {"a", 7, 37, 933, 185}};
  for (const Sign& s : signs) {
    SCOPED_TRACE(s.label);
    int found = 0;
    for (const auto& run : runs) {
      const Op& mid = run[run.size() / 2];
      if (run.front().colour == s.colour && std::abs(mid.x1 - s.apexX) < 0.5 && std::abs(mid.y1 - s.apexY) < 0.5) {
        ++found;
        EXPECT_EQ(run.size(), s.dots);
      }
    }
    EXPECT_EQ(found, 1);
  }
  const float ys[] = {30, 80, 140, 190, 250, 300, 360, 420, 480, 540};
  for (float y : ys) {
    auto line = IndexesOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.y1 == y && o.x1 < 720; }, start);
    ASSERT_FALSE(line.empty()) << y;
    // Every line starts at 36: its first glyph stands within a blank's advance of it.
    EXPECT_GE(log[line[0]].x1, 36) << y;
    EXPECT_LE(log[line[0]].x1, 36 + 27) << y;
  }
  auto last = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 540 && o.x1 < 720; }, start);
  std::string black, teal;
  for (size_t i : last) (log[i].colour == 5 ? teal : black) += log[i].text;
  EXPECT_EQ(teal.substr(0, 3), "24(");  // the italic c of cm is drawn by the serif path
  EXPECT_EQ(black.substr(black.size() - 6), "2×12=");
  for (size_t i : last) EXPECT_TRUE(log[i].colour == 0 || log[i].colour == 5);
}

}  // namespace
}  // namespace osvatine_test
