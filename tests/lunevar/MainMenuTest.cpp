// Lunevar's main menu: its panel, heading, items and prompt, and what each number typed leads to.
// Only a whole number from 1 to 8 is a choice, and the menu acts on that number.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

bool IsPanel(const Op& o) { return o.kind == OpKind::Box && IsFilledBox(o, 22, 10, 1342, 610, 10) && o.colour == 15; }
bool IsGoalHeading(const Op& o) { return o.kind == OpKind::Text && o.text == "<" && Near(o.y1, 240); }

TEST(MainMenu, DrawsPanelHeadingItemsAndPrompt) {
  auto r = Play("");
  const Log& log = r.log;
  auto panels = IndexesOf(log, IsPanel);
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_TRUE(IsPageClear(log.front()));
  EXPECT_EQ(GlyphsAt(log, 30, 264), "＜Lunevar　メニュー＞");

  struct Item { float y; const char* glyphs; int colour; };
  const Item items[] = {
      {120, "1　円周角", 13},         {180, "2　円周角の定理証明", 15}, {240, "3　円周角の定理を使って", 13},
      {300, "4　円周角と弧", 15},     {360, "5　練習問題", 13},         {420, "6　円周角の定理の逆", 15},
      {480, "7　", 13},               {540, "8　終了", 15},
  };
  for (const Item& it : items) {
    SCOPED_TRACE(it.glyphs);
    EXPECT_EQ(GlyphsAt(log, it.y, 44, 1342), it.glyphs);
    auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, it.y); });
    ASSERT_FALSE(glyphs.empty());
    EXPECT_TRUE(Near(glyphs.front().x1, 44));
    for (const Op& g : glyphs) EXPECT_EQ(g.colour, it.colour);
  }
  // The prompt stands at (816, 648), under the panel.
  auto prompt = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "番"; });
  ASSERT_EQ(prompt.size(), 1u);
  EXPECT_TRUE(Near(prompt[0].x1, 816));
  EXPECT_TRUE(Near(prompt[0].y1, 648, 5));
  EXPECT_EQ(prompt[0].colour, 0);
}

enum class Outcome { Item1, Item2, Item3, Item6, EntryThenMenu, MenuAgain, Ends };

// Item 6's sub-menu line, asked right under its goal.
bool IsItem6Choices(const Op& o) { return o.kind == OpKind::Text && o.text == "ひ" && Near(o.y1, 666); }

// After the entry, "9" and Enter follow: a menu drawn again takes them (and draws itself once
// more), the items take them as their first keys, and a program that has ended leaves them
// unread.
Outcome OutcomeOf(const std::string& entry) {
  auto r = Play(entry + "{Enter}9{Enter}");
  const Log& log = r.log;
  if (!IndexesOf(log, IsItem6Choices).empty()) return Outcome::Item6;
  if (auto heading = IndexesOf(log, IsGoalHeading); !heading.empty()) {
    // The goal sentence comes first on its line; a screen chosen by "9" may draw there later.
    std::string goal = GlyphsAt(log, 305, 44, 1440, heading[0]);
    if (goal.rfind("円周角の定理を証明しよう。", 0) == 0) return Outcome::Item2;
    if (goal.rfind("円周角の定理を使って問題を解こう。", 0) == 0) return Outcome::Item3;
    return Outcome::Item1;
  }
  auto panels = IndexesOf(log, IsPanel);
  if (panels.size() == 1 && r.device->remaining() == 2) return Outcome::Ends;
  EXPECT_EQ(panels.size(), 3u) << entry;
  if (panels.size() < 2) return Outcome::Ends;
  // A menu item's entry clears the page before the menu clears it again.
  auto clears = IndexesOf(log, IsPageClear, panels[0], panels[1]);
  return clears.size() == 2 ? Outcome::EntryThenMenu : Outcome::MenuAgain;
}

TEST(MainMenu, ActsOnlyOnAWholeNumberFromOneToEight) {
  struct Case { const char* entry; Outcome outcome; };
  const Case cases[] = {
      {"1", Outcome::Item1},
      {"1.0", Outcome::Item1},
      {"2/2", Outcome::Item1},  // its value, not its leading number, chooses
      {"9/9", Outcome::Item1},
      {"4/2", Outcome::Item2},
      {"2", Outcome::Item2},
      {"3", Outcome::Item3},
      {"6", Outcome::Item6},
      {"12/2", Outcome::Item6},
      {"7", Outcome::EntryThenMenu},
      {"8", Outcome::Ends},
      {"8.0", Outcome::Ends},
      {"16/2", Outcome::Ends},
      {"1.5", Outcome::MenuAgain},
      {"2.5", Outcome::MenuAgain},
      {"8.5", Outcome::MenuAgain},
      {"0", Outcome::MenuAgain},
      {"-1", Outcome::MenuAgain},
      {"9", Outcome::MenuAgain},
      {"", Outcome::MenuAgain},
  };
  for (const Case& c : cases) EXPECT_EQ(OutcomeOf(c.entry), c.outcome) << "entry \"" << c.entry << "\"";
}

TEST(MainMenu, EightEndsTheProgramCleanly) {
  auto r = Play("8{Enter}");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(IndexesOf(r.log, IsPanel).size(), 1u);
}

}  // namespace
}  // namespace lunevar_test
