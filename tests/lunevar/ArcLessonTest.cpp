// Item 4, inscribed angles and arcs: the goal and the sub-menu, and what each screen draws where
// the lesson's figures and answers depend on it (arc ends, ticks, signs, key counts, answers).
#include <gtest/gtest.h>

#include <cmath>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

const std::string kToArcs = "4{Enter}";

bool IsFootBandClear(const Op& o) { return IsFilledBox(o, 0, 657, 992, 720, 15); }
bool IsKeyWait(const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }
bool IsChoiceLine(const Op& o) { return o.kind == OpKind::Text && o.text == "①" && Near(o.x1, 32) && Near(o.y1, 666); }
bool IsMenuPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }
bool IsText(const Op& o, const char* text, float x, float y) {
  return o.kind == OpKind::Text && o.text == text && Near(o.x1, x, 0.5f) && Near(o.y1, y, 0.5f);
}

TEST(ArcLesson, GoalThenChoiceLineOnTheClearedPage) {
  auto r = Play(kToArcs);
  const Log& log = r.log;
  size_t entry = AfterLast(log, IsPageClear);
  auto heading = OpsOf(log, [](const Op& o) { return IsText(o, "<", 44, 240); }, entry);
  ASSERT_EQ(heading.size(), 1u);
  EXPECT_EQ(heading[0].colour, 3);
  EXPECT_EQ(GlyphsAt(log, 240, 44, 1440, entry), "<めあて>");
  EXPECT_EQ(GlyphsAt(log, 305, 44, 1440, entry), "円周角と弧の関係を調べ、結果を使って問題解決しよう。");
  auto sentence = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 305); }, entry);
  ASSERT_FALSE(sentence.empty());
  EXPECT_TRUE(IsText(sentence.front(), "円", 44, 305));
  EXPECT_EQ(sentence.front().colour, 0);
  // The choice line comes at once, with no key wait after the goal.
  EXPECT_TRUE(IndexesOf(log, IsKeyWait, entry).empty());
  ASSERT_EQ(IndexesOf(log, IsChoiceLine, entry).size(), 1u);
  EXPECT_EQ(GlyphsAt(log, 666, 32, 992, entry), "①導入課題　②定理　③問３　④問４　⑤説明しよう　⑥終了");
}

enum class Next { AskAgain, IntroTask, Theorem, Problem3, Problem4, Bisector, MainMenu };

// Where the entry typed at item 4's sub-menu led, read from what is drawn after the band is wiped.
Next NextAfter(const std::string& entry, const std::string& before = "") {
  auto r = Play(kToArcs + before + entry + "{Enter}");
  const Log& log = r.log;
  size_t read = AfterLast(log, IsFootBandClear);
  if (!IndexesOf(log, IsMenuPanel, read).empty()) return Next::MainMenu;
  if (IndexesOf(log, IsPageClear, read).empty()) {
    EXPECT_EQ(IndexesOf(log, IsChoiceLine, read).size(), 1u) << "entry \"" << entry << "\"";
    return Next::AskAgain;
  }
  std::string first = GlyphsAt(log, 30, 0, 700, read);
  if (first.rfind("課", 0) == 0) return Next::IntroTask;
  if (first.rfind("<中心角と弧>", 0) == 0) return Next::Theorem;
  if (first.rfind("教科書P166 問3", 0) == 0) return Next::Problem3;
  if (first.rfind("教科書P166 問4", 0) == 0) return Next::Problem4;
  if (first.rfind("PCが", 0) == 0) return Next::Bisector;
  ADD_FAILURE() << "entry \"" << entry << "\" drew " << first;
  return Next::AskAgain;
}

TEST(ArcLesson, SubMenuActsOnlyOnAWholeNumberFromOneToSix) {
  struct Case { const char* entry; Next next; };
  const Case cases[] = {
      {"1", Next::IntroTask},
      {"1.0", Next::IntroTask},
      {"6", Next::MainMenu},
      {"12/2", Next::MainMenu},
      {"0", Next::AskAgain},
      {"7", Next::AskAgain},
      {"-1", Next::AskAgain},
      {"2.5", Next::AskAgain},
      {"1/0", Next::AskAgain},  // no number: the lesson goes on
      {"3/", Next::AskAgain},
      {"/", Next::AskAgain},
      {"", Next::AskAgain},
  };
  for (const Case& c : cases) EXPECT_EQ(NextAfter(c.entry), c.next) << "entry \"" << c.entry << "\"";
}

TEST(ArcLesson, AskingAgainKeepsThePageAndTheGoalIsNotDrawnAgain) {
  auto r = Play(kToArcs + "0{Enter}7{Enter}2.5{Enter}1/0{Enter}");
  const Log& log = r.log;
  size_t entry = AfterLast(log, IsPageClear);
  EXPECT_EQ(IndexesOf(log, IsChoiceLine, entry).size(), 5u);
  EXPECT_EQ(IndexesOf(log, [](const Op& o) { return IsText(o, "<", 44, 240); }, entry).size(), 1u);
  // Nothing is erased above the foot band.
  for (const Op& o : OpsOf(log, [](const Op& o) { return o.kind == OpKind::Box && o.fill == 15; }, entry))
    EXPECT_GE(o.y2, 657) << o.x1 << "," << o.y1 << "-" << o.x2 << "," << o.y2;
}

TEST(ArcLesson, MainMenuEntersItemFourOnItsValue) {
  auto r = Play("8/2{Enter}");
  EXPECT_EQ(GlyphsAt(r.log, 240, 44, 1440, AfterLast(r.log, IsPageClear)), "<めあて>");
}

// The operations of a screen: from the page clear that begins it to the choice line after it.
struct ScreenRun {
  TestRun r;
  size_t begin = 0, end = 0;
  const Log& log() const { return r.log; }
};
ScreenRun RunScreen(const std::string& choice, int keys, const std::string& before = "") {
  ScreenRun s{Play(kToArcs + before + choice + "{Enter}" + Repeat("k", keys))};
  const Log& log = s.r.log;
  s.begin = AfterLast(log, IsPageClear) - 1;
  auto lines = IndexesOf(log, IsChoiceLine, s.begin);
  s.end = lines.empty() ? log.size() : lines.front();
  return s;
}

// The angle of (x, y) about the equal-arcs figure's centre (960, 330), in degrees
// counter-clockwise as the page is seen, and its distance from it.
float AngleAboutO(float x, float y) {
  float a = std::atan2(330 - y, x - 960) * 180 / 3.14159265f;
  return a < 0 ? a + 360 : a;
}
float DistanceFromO(float x, float y) { return std::hypot(x - 960, y - 330); }

TEST(ArcIntroTask, ArcsSectorTicksAndSign) {
  ScreenRun s = RunScreen("1", 9);
  const Log& log = s.log();
  auto arcs = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 960, 330, 210) && o.colour == 5; }, s.begin, s.end);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_TRUE(Near(arcs[0].start, 1.0f / 3, 1e-4f) && Near(arcs[0].end, 4.0f / 9, 1e-4f)) << arcs[0].start << " " << arcs[0].end;
  EXPECT_TRUE(Near(arcs[1].start, 1.0f / 12, 1e-4f) && Near(arcs[1].end, 7.0f / 36, 1e-4f)) << arcs[1].start << " " << arcs[1].end;
  for (const Op& a : arcs) EXPECT_TRUE(Near(SweepDegrees(a), 40, 0.01f));

  auto sectors = OpsOf(log, [](const Op& o) { return IsCircleAt(o, 960, 330, 32); }, s.begin, s.end);
  ASSERT_EQ(sectors.size(), 1u);
  EXPECT_EQ(sectors[0].fill, 3);
  EXPECT_EQ(sectors[0].colour, 0);
  EXPECT_TRUE(Near(sectors[0].start, 1.0f / 3, 1e-3f) && Near(sectors[0].end, 4.0f / 9, 1e-3f));

  auto ticks = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Line && o.colour == 5; }, s.begin, s.end);
  ASSERT_EQ(ticks.size(), 4u);
  const float angles[] = {220.8f, 222.9f, 310.8f, 312.9f};
  for (size_t i = 0; i < 4; ++i) {
    const Op& t = ticks[i];
    float mx = (t.x1 + t.x2) / 2, my = (t.y1 + t.y2) / 2;
    EXPECT_TRUE(Near(std::hypot(t.x2 - t.x1, t.y2 - t.y1), 40, 0.01f));
    EXPECT_TRUE(Near(AngleAboutO(mx, my), angles[i], 0.1f)) << i << ": " << AngleAboutO(mx, my);
    EXPECT_TRUE(Near(DistanceFromO(mx, my), 210, 3)) << i << ": " << DistanceFromO(mx, my);
  }

  // The sign over "AB=": dots from (158, 30) over (131, 20) to (104, 30).
  auto dots = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 0.5f) && o.y1 < 60; },
                    s.begin, s.end);
  ASSERT_EQ(dots.size(), 2u * 181);
  EXPECT_TRUE(Near(dots[0].x1, 158, 0.01f) && Near(dots[0].y1, 30, 0.01f));
  EXPECT_TRUE(Near(dots[90].x1, 131, 0.01f) && Near(dots[90].y1, 20, 0.01f));
  EXPECT_TRUE(Near(dots[180].x1, 104, 0.01f) && Near(dots[180].y1, 30, 0.01f));
  EXPECT_EQ(GlyphsAt(log, 30, 104, 700, s.begin), "AB=CDで、∠AOB=40°のとき、");
}

// Every screen: how many keys it takes, and its last text, drawn before the choice line with no
// further key.
TEST(ArcScreens, KeyCountAndLastLine) {
  struct Case { const char* choice; int keys; float y; float x; const char* line; };
  const Case cases[] = {
      {"1", 9, 490, 36, "(3)∠CQD=1∠COD=20°"},  // the fraction's "2" stands below the line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice);
    ScreenRun s = RunScreen(c.choice, c.keys);
    EXPECT_EQ(IndexesOf(s.log(), IsKeyWait, s.begin, s.end).size(), static_cast<size_t>(c.keys));
    ASSERT_LT(s.end, s.log().size()) << "no choice line after " << c.keys << " keys";
    EXPECT_EQ(GlyphsAt(s.log(), c.y, c.x, 1440, s.begin), c.line);
    // One key fewer leaves the screen waiting before its last line.
    ScreenRun early = RunScreen(c.choice, c.keys - 1);
    EXPECT_EQ(early.end, early.log().size());
  }
}

}  // namespace
}  // namespace lunevar_test
