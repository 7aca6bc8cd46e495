// Item 6's entry and sub-menu: the goal drawn on the page the main menu cleared, the choice line
// asked at once, and what each entry leads to. Only a whole number from 1 to 6 is a choice; a
// fraction with a zero denominator is no number and asks again like any other.
#include <gtest/gtest.h>

#include "lunevar/ConverseSupport.h"

namespace lunevar_test {
namespace {

bool IsMenuPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }
bool IsErrorScreen(const Op& o) {
  return o.kind == OpKind::Text && o.text.find("エラーが発生しました") != std::string::npos;
}

TEST(ConverseEntry, GoalOnTheClearedPageThenTheChoiceLineWithNoKeyWait) {
  auto r = Play(kToConverse);
  const Log& log = r.log;
  size_t entry = AfterLast(log, IsPageClear);
  ASSERT_GT(entry, 0u);
  std::pair<size_t, size_t> all{entry, log.size()};
  ExpectText(log, all, 44, 240, "<めあて>", 3);
  ExpectText(log, all, 44, 305, "1　円周角の定理の逆を考えよう。", 0);
  ExpectText(log, all, 44, 370, "2　円周角の定理の逆を使って問題を解こう。", 0);
  EXPECT_TRUE(IndexesOf(log, IsWaitBox, entry).empty());
  // The line as stored, its leading half-width blank at (16, 666), each character 16 on.
  EXPECT_EQ(GlyphsAt(log, 666, 0, 992, all.first, all.second), "①ひろげよう　②Ｐ１６７　③定理の逆　④問１　⑤練習問題　⑥終了");
  auto first = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 666); }, entry);
  ASSERT_FALSE(first.empty());
  EXPECT_TRUE(Near(first[0].x1, 16));
  EXPECT_EQ(IndexesOf(log, IsConverseChoiceLine, entry).size(), 1u);
}

enum class Next { AskAgain, SetSquare, PositionCases, Theorem, Exercise, Practice, MainMenu };

// Where an entry at the sub-menu led, read from what is drawn after the sub-menu wiped its line.
Next NextAfter(const std::string& entry) {
  auto r = Play(kToConverse + entry + "{Enter}");
  const Log& log = r.log;
  EXPECT_TRUE(IndexesOf(log, IsErrorScreen).empty()) << "entry \"" << entry << "\"";
  size_t read = AfterLast(log, IsFootBandClear);
  if (!IndexesOf(log, IsMenuPanel, read).empty()) return Next::MainMenu;
  std::pair<size_t, size_t> after{read, log.size()};
  struct Heading { float x; const char* glyphs; Next next; };
  const Heading headings[] = {
      {36, "教科書P167ひろげよう", Next::SetSquare}, {40, "直線AB", Next::PositionCases},
      {36, "<円周角の定理の逆>", Next::Theorem},     {36, "<問1解答>", Next::Exercise},
      {40, "<練習問題解答>", Next::Practice},
  };
  for (const Heading& h : headings)
    if (GlyphsAt(log, 30, h.x, h.x + 600, after.first, after.second).rfind(h.glyphs, 0) == 0) return h.next;
  // Asked again: the same line over the unchanged page, the goal still on it.
  EXPECT_EQ(IndexesOf(log, IsConverseChoiceLine, read).size(), 1u) << "entry \"" << entry << "\"";
  EXPECT_FALSE(IndexesOf(log, IsPageClear, read).size()) << "entry \"" << entry << "\"";
  return Next::AskAgain;
}

TEST(ConverseSubMenu, ActsOnlyOnAWholeNumberFromOneToSix) {
  struct Case { const char* entry; Next next; };
  const Case cases[] = {
      {"1", Next::SetSquare},
      {"1.0", Next::SetSquare},
      {"2", Next::PositionCases},
      {"4/2", Next::PositionCases},  // its value chooses
      {"3", Next::Theorem},
      {"4", Next::Exercise},
      {"5", Next::Practice},
      {"6", Next::MainMenu},
      {"12/2", Next::MainMenu},
      // A zero denominator is no number.
      {"1/0", Next::AskAgain},
      {"3/", Next::AskAgain},
      {"/", Next::AskAgain},
      {"5/2", Next::AskAgain},
      {"0", Next::AskAgain},
      {"7", Next::AskAgain},
      {"-1", Next::AskAgain},
      {"", Next::AskAgain},
  };
  for (const Case& c : cases) EXPECT_EQ(NextAfter(c.entry), c.next) << "entry \"" << c.entry << "\"";
}

TEST(ConverseSubMenu, AskedAgainTheGoalStaysOnThePage) {
  auto r = Play(kToConverse + "1/0{Enter}7{Enter}{Enter}");
  const Log& log = r.log;
  EXPECT_EQ(IndexesOf(log, IsConverseChoiceLine).size(), 4u);
  // Nothing erased above the foot band since the goal was drawn.
  size_t goal = AfterLast(log, IsPageClear);
  auto erases = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Box && o.fill == 15 && o.y1 < 600; }, goal);
  EXPECT_TRUE(erases.empty());
  EXPECT_EQ(GlyphsAt(log, 370, 44, 1440, goal), "2　円周角の定理の逆を使って問題を解こう。");
}

TEST(ConverseEntry, AFractionAtTheMainMenuOpensTheItemByItsValue) {
  auto r = Play("12/2{Enter}");
  EXPECT_EQ(GlyphsAt(r.log, 305, 44, 1440, AfterLast(r.log, IsPageClear)), "1　円周角の定理の逆を考えよう。");
  EXPECT_EQ(IndexesOf(r.log, IsConverseChoiceLine).size(), 1u);
}

}  // namespace
}  // namespace lunevar_test
