// Lunevar's main menu: its panel, heading, items and prompt, and what each number typed leads to.
// Only a whole number from 1 to 8 is a choice, and the menu acts on that number.
#include <gtest/gtest.h>

#include "lunevar/ArcLesson.h"
#include "lunevar/ConverseLesson.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/MainMenu.h"
#include "lunevar/PracticeAnswers.h"
#include "lunevar/ProofLesson.h"
#include "lunevar/TheoremUseLesson.h"
#include "lunevar/Support.h"
#include "shell/Waits.h"

namespace lunevar_test {
namespace {

using shell::Screen;

bool IsPanel(const Op& o) { return o.kind == OpKind::Box && IsFilledBox(o, 22, 10, 1342, 610, 10) && o.colour == 15; }

TEST(MainMenu, DrawsPanelHeadingItemsAndPrompt) {
  auto r = Play("");
  const Log& log = r.log;
  auto panels = IndexesOf(log, IsPanel);
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_TRUE(IsPageClear(log.front()));
  EXPECT_EQ(GlyphsAt(log, 30, 264), "＜Lunevar　メニュー＞");

  const std::vector<TextRow> items = {
      {"1　円周角", 44, 120, 13},        {"2　円周角の定理証明", 44, 180, 15}, {"3　円周角の定理を使って", 44, 240, 13},
      {"4　円周角と弧", 44, 300, 15},    {"5　練習問題", 44, 360, 13},         {"6　円周角の定理の逆", 44, 420, 15},
      {"7　", 44, 480, 13},              {"8　終了", 44, 540, 15},
  };
  EXPECT_TRUE(TextRowsDrawn(log, items));
  for (const TextRow& it : items) EXPECT_EQ(GlyphsAt(log, it.y, 44, 1342), it.text) << "nothing else on the line";
  // The prompt stands at (816, 648), under the panel.
  auto prompt = OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "番"; });
  ASSERT_EQ(prompt.size(), 1u);
  EXPECT_TRUE(Near(prompt[0].x1, 816));
  EXPECT_TRUE(Near(prompt[0].y1, 648, 5));
  EXPECT_EQ(prompt[0].colour, 0);
}

// What the menu names next for each entry, and whether it cleared the page for an item's entry
// (the menu drawn again, or the end, leave the page as it is).
TEST(MainMenu, ActsOnlyOnAWholeNumberFromOneToEight) {
  const Screen kItem1{lunevar::InscribedAngleLessonStart}, kItem2{lunevar::ProofLessonStart},
      kItem3{lunevar::TheoremUseLessonStart}, kItem4{lunevar::ArcLessonStart},
      kItem5{lunevar::PracticeAnswersStart}, kItem6{lunevar::ConverseLessonStart},
      kNotBuilt{shell::BackToMainMenu}, kAgain{lunevar::AnglesMainMenu}, kEnd{};
  struct Case { const char* entry; Screen next; };
  const Case cases[] = {
      {"1", kItem1},
      {"1.0", kItem1},
      {"2/2", kItem1},  // its value, not its leading number, chooses
      {"9/9", kItem1},
      {"4/2", kItem2},
      {"2", kItem2},
      {"3", kItem3},
      {"4", kItem4},
      {"5", kItem5},
      {"6", kItem6},
      {"12/2", kItem6},
      {"7", kNotBuilt},
      {"8", kEnd},
      {"8.0", kEnd},
      {"16/2", kEnd},
      {"1.5", kAgain},
      {"2.5", kAgain},
      {"8.5", kAgain},
      {"0", kAgain},
      {"-1", kAgain},
      {"9", kAgain},
      {"", kAgain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("entry \"") + c.entry + "\"");
    TestRun run("", "lunevar");
    EXPECT_EQ(run.runScreen(lunevar::AnglesMainMenu, std::string(c.entry) + "{Enter}"), c.next);
    EXPECT_EQ(run.device.remaining(), 0u);
    bool entered = c.next != kAgain && c.next != kEnd;
    EXPECT_EQ(IsPageClear(run.log.back()), entered);
  }
}

TEST(MainMenu, EightEndsTheProgramCleanly) {
  auto r = Play("8{Enter}");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(IndexesOf(r.log, IsPanel).size(), 1u);
}

}  // namespace
}  // namespace lunevar_test
