// Item 4, inscribed angles and arcs: the goal and the sub-menu, and what each screen draws where
// the lesson's figures and answers depend on it (arc ends, ticks, signs, key counts, answers).
#include <gtest/gtest.h>

#include <cmath>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

const std::string kToArcs = "4{Enter}";

bool IsChoiceLine(const Op& o) { return o.kind == OpKind::Text && o.text == "①" && Near(o.x1, 32) && Near(o.y1, 666); }
bool IsMenuPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }

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
  EXPECT_TRUE(IndexesOf(log, IsWaitBox, entry).empty());
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
  std::string first = GlyphsAt(log, 30, 0, 700, read);  // half-width blanks draw no glyph
  if (first.rfind("課", 0) == 0) return Next::IntroTask;
  if (first.rfind("<中心角と弧>", 0) == 0) return Next::Theorem;
  if (first.rfind("教科書P166問3", 0) == 0) return Next::Problem3;
  if (first.rfind("教科書P166問4", 0) == 0) return Next::Problem4;
  if (first.rfind("PCが", 0) == 0) return Next::Bisector;
  ADD_FAILURE() << "entry \"" << entry << "\" drew " << first;
  return Next::AskAgain;
}

TEST(ArcLesson, SubMenuActsOnlyOnAWholeNumberFromOneToSix) {
  struct Case { const char* entry; Next next; };
  const Case cases[] = {
      {"1", Next::IntroTask},
      {"1.0", Next::IntroTask},
      {"2", Next::Theorem},
      {"4/2", Next::Theorem},
      {"3", Next::Problem3},
      {"4", Next::Problem4},
      {"5", Next::Bisector},
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
      {"2", 7, 590, 44, "教科書P166問3　をしなさい。"},  // half-width blanks draw no glyph
      {"3", 3, 370, 40, "教科書P166問4　をしなさい。"},
      {"4", 4, 425, 40, "∠BQC=31°31°=62°"},  // "+" is drawn in strokes
      {"5", 3, 370, 40, "AC=CB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice);
    ScreenRun s = RunScreen(c.choice, c.keys);
    EXPECT_EQ(IndexesOf(s.log(), IsWaitBox, s.begin, s.end).size(), static_cast<size_t>(c.keys));
    ASSERT_LT(s.end, s.log().size()) << "no choice line after " << c.keys << " keys";
    EXPECT_EQ(GlyphsAt(s.log(), c.y, c.x, 700, s.begin), c.line);  // left of the figure
    // One key fewer leaves the screen waiting before its last line.
    ScreenRun early = RunScreen(c.choice, c.keys - 1);
    EXPECT_EQ(early.end, early.log().size());
  }
}

// A text piece of a screen: where its first glyph stands, in what colour, and the key that
// reveals it (it is not on the page one key earlier).
TEST(ArcScreens, EachPieceComesWithItsKey) {
  struct Case { const char* choice; int key; const char* first; float x, y; int colour; const char* line; };
  const Case cases[] = {
      {"1", 9, "2", 443, 490, 3, "20°"},
      {"2", 4, "∠", 380, 400, 5, "∠APB=∠CQD"},
      {"3", 2, "∠", 121, 290, 5, "∠y=56°"},
      {"3", 3, "教", 40, 370, 7, "教科書P166問4　をしなさい。"},
      {"4", 4, "∠", 40, 425, 5, "∠BQC="},
      {"4", 4, "3", 187, 425, 5, "31°31°="},
      {"4", 4, "6", 378, 425, 5, "62°"},
      {"5", 3, "A", 40, 370, 3, "AC="},
      {"5", 3, "C", 126, 370, 3, "CB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.choice) + " " + c.line);
    ScreenRun s = RunScreen(c.choice, c.key);
    auto at = [&](const Op& o) { return IsText(o, c.first, c.x, c.y); };
    auto glyphs = OpsOf(s.log(), at, s.begin);
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs[0].colour, c.colour);
    std::string line = GlyphsAt(s.log(), c.y, c.x, 700, s.begin);
    EXPECT_EQ(line.substr(0, std::string(c.line).size()), c.line);
    ScreenRun early = RunScreen(c.choice, c.key - 1);
    EXPECT_TRUE(OpsOf(early.log(), at, early.begin).empty());
  }
}

// The arcs that mark the angles on the statements screen: two at O over each 40-degree central
// angle, one at P and one at Q over each 20-degree inscribed angle, all in colour 5.
TEST(ArcTheorem, AngleArcsCoverTheInteriorAngles) {
  ScreenRun s = RunScreen("2", 7);
  struct Case { float x, y, r, start, sweep; };  // start < 0: any
  const Case cases[] = {
      {960, 330, 52, 1.0f / 3, 40}, {960, 330, 44, 1.0f / 3, 40}, {960, 330, 52, 1.0f / 12, 40},
      {960, 330, 44, 1.0f / 12, 40}, {888.2f, 132.7f, 62, -1, 20}, {1031.8f, 132.7f, 62, -1, 20},
  };
  for (const Case& c : cases) {
    auto arcs = OpsOf(s.log(), [&](const Op& o) {
      return IsCircleAt(o, c.x, c.y, c.r, 0.1f) && o.colour == 5 && (c.start < 0 || Near(o.start, c.start, 0.002f));
    }, s.begin, s.end);
    ASSERT_EQ(arcs.size(), 1u) << c.x << "," << c.y << " r " << c.r << " from " << c.start;
    EXPECT_TRUE(Near(SweepDegrees(arcs[0]), c.sweep, 0.05f)) << SweepDegrees(arcs[0]);
    EXPECT_EQ(arcs[0].fill, platform::kNoFill);
  }
}

// Problems 3 and 4 share their figure; problem 4 names the points at 328 and 24 degrees the other
// way round, keeps each letter at its index's offset, and draws no centre.
TEST(ArcProblems, LettersAndCentre) {
  struct Case { const char* choice; float cx, cy, dx, dy; bool centre; };
  const Case cases[] = {
      {"3", 1154.1f, 411.3f, 1169.8f, 204.6f, true},
      {"4", 1169.8f, 204.6f, 1154.1f, 411.3f, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice);
    ScreenRun s = RunScreen(c.choice, 4);
    auto letter = [&](const char* text, float x, float y) {
      return OpsOf(s.log(), [&](const Op& o) { return IsText(o, text, x, y) && o.colour == 0; }, s.begin, s.end).size();
    };
    EXPECT_EQ(letter("C", c.cx, c.cy), 1u);
    EXPECT_EQ(letter("D", c.dx, c.dy), 1u);
    EXPECT_EQ(letter("O", 956, 260), c.centre ? 1u : 0u);
    auto discs = OpsOf(s.log(), [](const Op& o) { return IsCircleAt(o, 970, 310, 6); }, s.begin, s.end);
    EXPECT_EQ(discs.size(), c.centre ? 1u : 0u);
  }
}

TEST(BisectorArcExplanation, DotsOnTheBisectorsOfTheEqualAngles) {
  ScreenRun s = RunScreen("5", 3);
  auto dots = OpsOf(s.log(), [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 8); }, s.begin, s.end);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_TRUE(Near(dots[0].x1, 1050.0f, 0.06f) && Near(dots[0].y1, 171.4f, 0.06f)) << dots[0].x1 << "," << dots[0].y1;
  EXPECT_TRUE(Near(dots[1].x1, 1075.0f, 0.06f) && Near(dots[1].y1, 178.1f, 0.06f)) << dots[1].x1 << "," << dots[1].y1;
  for (const Op& d : dots) EXPECT_EQ(d.colour, 3);
  // The sign over "AC=" spans x 40 to 94 above the last line.
  auto sign = OpsOf(s.log(), [](const Op& o) { return o.kind == OpKind::Circle && Near(o.r, 0.5f) && o.y1 > 350; },
                    s.begin, s.end);
  ASSERT_EQ(sign.size(), 2u * 181);
  EXPECT_TRUE(Near(sign[0].x1, 94, 0.01f) && Near(sign[180].x1, 40, 0.01f));
}

}  // namespace
}  // namespace lunevar_test
