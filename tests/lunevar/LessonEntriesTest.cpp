// Entering items 2 and 3: the goal text and, with no key wait, the sub-menu's choice line; the
// sub-menus act only on a whole number within their choices and ask again on anything else.
#include <gtest/gtest.h>

#include "lunevar/ScreenLog.h"

namespace lunevar_test {
namespace {

TEST(LessonEntries, GoalThenAtOnceTheChoiceLine) {
  struct Case { const char* item; const char* goal; const char* line; float firstX; };
  const Case cases[] = {
      // Item 2's line begins with a half-width blank, one cell wide.
      {"2", "円周角の定理を証明しよう。",
       "①直径問　②図１　③答　④内部問　⑤図２　⑥答　⑦外部問　⑧図３　⑨答　⑩終了", 32},
      {"3", "円周角の定理を使って問題を解こう。", "①練習　②問１　③半円の弧　④問２　⑤説明しよう　⑥終了", 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    auto r = Play(std::string(c.item) + "{Enter}");
    const Log& log = r.log;
    size_t entry = AfterLast(log, IsPageClear);
    auto heading = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "<"; }, entry);
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_TRUE(Near(heading[0].x1, 44) && Near(heading[0].y1, 240));
    EXPECT_EQ(heading[0].colour, 3);
    EXPECT_EQ(GlyphsAt(log, 240, 0, 1440, entry), "<めあて>");
    EXPECT_EQ(GlyphsAt(log, 305, 0, 1440, entry), c.goal);
    auto sentence = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 305); }, entry);
    ASSERT_FALSE(sentence.empty());
    EXPECT_TRUE(Near(sentence[0].x1, 44));
    EXPECT_EQ(sentence[0].colour, 0);
    EXPECT_TRUE(IndexesOf(log, IsWaitBox, entry).empty());
    auto first = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 666) && o.text == "①"; },
                       entry);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_TRUE(Near(first[0].x1, c.firstX));
    EXPECT_EQ(ChoiceLineFrom(log, entry), c.line);
  }
}

enum class Next { AskAgain, Screen, MainMenu };

// Where a choice typed at the sub-menu led: the main menu, a screen (which clears the page),
// or the choice line again over the unchanged page.
Next NextAfter(const std::string& item, const std::string& entry, const std::string& firstChoice) {
  auto r = Play(item + "{Enter}" + entry + "{Enter}");
  const Log& log = r.log;
  size_t read = AfterLastChoice(log);
  EXPECT_GT(read, 0u);
  if (!IndexesOf(log, [](const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }, read).empty()) {
    return Next::MainMenu;
  }
  if (!IndexesOf(log, IsPageClear, read).empty()) return Next::Screen;
  EXPECT_EQ(ChoiceLineFrom(log, read).rfind(firstChoice, 0), 0u);
  return Next::AskAgain;
}

TEST(LessonEntries, SubMenusActOnlyOnAWholeNumberWithinTheirChoices) {
  struct Case { const char* item; const char* entry; Next next; };
  const Case cases[] = {
      {"2", "1", Next::Screen},    {"2", "1.0", Next::Screen},   {"2", "18/2", Next::Screen},
      {"2", "10", Next::MainMenu}, {"2", "20/2", Next::MainMenu},
      {"2", "0", Next::AskAgain},  {"2", "11", Next::AskAgain},  {"2", "2.5", Next::AskAgain},
      {"2", "1/0", Next::AskAgain}, {"2", "", Next::AskAgain},   {"2", "-1", Next::AskAgain},
      {"3", "1", Next::Screen},    {"3", "10/2", Next::Screen},  {"3", "6", Next::MainMenu},
      {"3", "0", Next::AskAgain},  {"3", "7", Next::AskAgain},   {"3", "2.5", Next::AskAgain},
      {"3", "1/0", Next::AskAgain}, {"3", "", Next::AskAgain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("item ") + c.item + ", entry \"" + c.entry + "\"");
    EXPECT_EQ(NextAfter(c.item, c.entry, c.item == std::string("2") ? "①直径問" : "①練習"), c.next);
  }
}

}  // namespace
}  // namespace lunevar_test
