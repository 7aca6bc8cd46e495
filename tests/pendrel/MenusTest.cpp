// Pendrel's main menu and the first set's choice line: what they draw, and what each number
// typed leads to. Only a whole number within a menu's items is a choice, and the menu acts on
// that number (never on the leading number of the text typed).
#include <gtest/gtest.h>

#include "pendrel/Support.h"

namespace pendrel_test {
namespace {

bool IsPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10) && o.colour == 15; }
bool IsWorkAreaClear(const Op& o) { return IsFilledBox(o, 0, 54, 1440, 900, 15); }
bool IsMenuPromptWipe(const Op& o) { return IsFilledBox(o, 816, 640, 1872, 690, 15); }

TEST(MainMenu, DrawsPanelHeadingItemsAndThePromptTwice) {
  auto r = Play("");
  const Log& log = r.log;
  ASSERT_GE(log.size(), 3u);
  EXPECT_TRUE(IsWorkAreaClear(log[0]));
  EXPECT_TRUE(IsPageClear(log[1]));
  EXPECT_TRUE(IsPanel(log[2]));
  EXPECT_EQ(IndexesOf(log, IsPanel).size(), 1u);
  // The heading goes through the math text renderer, whose "l" is the script letter.
  EXPECT_EQ(GlyphsAt(log, 30, 264), "＜Pendrel　メニュー＞");
  auto ell = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "l"; });
  ASSERT_EQ(ell.size(), 1u);
  EXPECT_EQ(ell[0].font.face, "MT Extra");
  for (const Op& g : OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, 30, 24); }))
    EXPECT_EQ(g.colour, 15);

  // The half-width blank after "P176" and "P178" moves the pen and draws nothing.
  struct Item { float y; const char* glyphs; int colour; };
  const Item items[] = {
      {120, "1　P176学びをたしかめよう", 13},
      {180, "2　P178学びを身につけよう", 15},
      {240, "3　終了", 13},
  };
  for (const Item& it : items) {
    SCOPED_TRACE(it.glyphs);
    auto glyphs = OpsOf(log, [&](const Op& o) { return o.kind == OpKind::Text && Near(o.y1, it.y, 24); });
    std::string text;
    for (const Op& g : glyphs) text += g.text;
    EXPECT_EQ(text, it.glyphs);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_TRUE(Near(glyphs.front().x1, 44));
    for (const Op& g : glyphs) EXPECT_EQ(g.colour, it.colour);
  }
  // Drawn by the menu, then once more by the number input, at the same place.
  auto prompt = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "番"; });
  ASSERT_EQ(prompt.size(), 2u);
  for (const Op& p : prompt) {
    EXPECT_TRUE(Near(p.x1, 816));
    EXPECT_TRUE(Near(p.y1, 648, 5));
    EXPECT_EQ(p.colour, 0);
  }
}

enum class Outcome { FirstSet, SecondSet, MenuAgain, Ends };

// What follows the wipe of the prompt: the menu drawn afresh (it clears the lesson area first),
// an item's page clear (then the first set's choice line, or the second set), or nothing.
Outcome MainMenuOutcome(const std::string& entry) {
  auto r = Play(entry + "{Enter}9{Enter}");
  const Log& log = r.log;
  auto wipes = IndexesOf(log, IsMenuPromptWipe);
  EXPECT_FALSE(wipes.empty()) << entry;
  if (wipes.empty()) return Outcome::Ends;
  size_t next = wipes.front() + 1;
  if (next == log.size()) {
    EXPECT_EQ(r.device.remaining(), 2u) << entry;  // the program ended before reading more keys
    return Outcome::Ends;
  }
  if (IsWorkAreaClear(log[next])) return Outcome::MenuAgain;
  EXPECT_TRUE(IsPageClear(log[next])) << entry;
  if (next + 4 < log.size() && IsFootLineStart(log[next + 1]) &&
      log[next + 1].text + log[next + 2].text + log[next + 3].text + log[next + 4].text == "Ｐ１７６")
    return Outcome::FirstSet;
  return Outcome::SecondSet;
}

TEST(MainMenu, ActsOnlyOnAWholeNumberFromOneToThree) {
  struct Case { const char* entry; Outcome outcome; };
  const Case cases[] = {
      {"1", Outcome::FirstSet},  {"2/2", Outcome::FirstSet}, {"2", Outcome::SecondSet},
      {"4/2", Outcome::SecondSet}, {"3", Outcome::Ends},     {"6/2", Outcome::Ends},
      {"3.0", Outcome::Ends},      {"1.5", Outcome::MenuAgain}, {"0", Outcome::MenuAgain},
      {"4", Outcome::MenuAgain},   {"-1", Outcome::MenuAgain},  {"", Outcome::MenuAgain},
      {"1/0", Outcome::MenuAgain},  // no number: asked again, never the error screen
  };
  for (const Case& c : cases) EXPECT_EQ(MainMenuOutcome(c.entry), c.outcome) << "entry " << c.entry;
}

TEST(MainMenu, EndsWithStatusZero) {
  for (const char* entry : {"3", "6/2"}) {
    auto r = Play(std::string(entry) + "{Enter}");
    EXPECT_EQ(r.status, 0) << entry;
    EXPECT_TRUE(IsMenuPromptWipe(r.log.back())) << entry;
  }
}

TEST(FirstSetMenu, ShowsOnlyItsLineAtTheFootOfTheClearedPage) {
  auto r = Play(kToFirstSet);
  const Log& log = r.log;
  size_t clear = IndexesOf(log, IsPageClear).back();
  ASSERT_LT(clear + 1, log.size());
  EXPECT_TRUE(IsFootLineStart(log[clear + 1]));
  EXPECT_EQ(GlyphsAt(log, 666, 0, 1000, clear), "Ｐ１７６（学びをたしかめよう）　①～⑤解答　　⑥終了");
  // Nothing above the foot band: the line, the "入力" label and the input cursor only.
  for (size_t i = clear + 1; i < log.size(); ++i) {
    const Op& o = log[i];
    if (o.kind == OpKind::Box) continue;
    EXPECT_GE(o.y1, 640) << i;
  }
}

TEST(FirstSetMenu, AsksAgainOverTheUnchangedPageForANumberNotAChoice) {
  for (const char* entry : {"0", "7", "3/2", "5.5", "1/0", ""}) {
    SCOPED_TRACE(entry);
    auto r = Play(kToFirstSet + entry + "{Enter}");
    const Log& log = r.log;
    size_t wipe = IndexesOf(log, IsFootBandClear).back();
    EXPECT_TRUE(IndexesOf(log, IsPageClear, wipe).empty());
    ASSERT_LT(wipe + 1, log.size());
    EXPECT_TRUE(IsFootLineStart(log[wipe + 1]));
    for (size_t i = wipe + 1; i < log.size(); ++i) EXPECT_GE(log[i].y1, 640) << i;
  }
}

TEST(FirstSetMenu, SixReturnsToTheMainMenu) {
  for (const char* entry : {"6", "12/2"}) {
    SCOPED_TRACE(entry);
    auto r = Play(kToFirstSet + entry + "{Enter}");
    const Log& log = r.log;
    size_t wipe = IndexesOf(log, IsFootBandClear).back();
    ASSERT_LT(wipe + 2, log.size());
    EXPECT_TRUE(IsWorkAreaClear(log[wipe + 1]));
    EXPECT_EQ(IndexesOf(log, IsPanel, wipe).size(), 1u);
  }
}

}  // namespace
}  // namespace pendrel_test
