// The second set's choice line: entered from main-menu item 2 on a blank page, it opens answers
// 1 to 9 and returns to the main menu on 10. Only a whole number from 1 to 10 is a choice;
// anything else asks again over the unchanged page.
#include <gtest/gtest.h>

#include "MasterSet.h"
#include "pendrel/MainMenu.h"

namespace pendrel_test {
namespace {

const std::string kLine = "Ｐ１７８（学びを身につけよう）　①～⑨解答　　⑩終了";  // prompt glyphs are full-width

bool IsMainMenuPanel(const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }
// The number-input field right of the line ("入力" and the digits typed) reaches up to y 640.
bool InFootOrField(const Op& o) { return o.y1 >= 657 || (o.x1 >= 1008 && o.y1 >= 640); }

TEST(MasterMenu, ItemTwoShowsOnlyTheChoiceLineOnABlankPage) {
  auto run = Play("2{Enter}");
  size_t from = AfterLast(run.log, IsPageClear);
  ASSERT_GT(from, 0u);
  EXPECT_EQ(GlyphsAt(run.log, 666, 16, 992, from), kLine);
  for (const Op& t : OpsOf(Texts(run.log), [](const Op& o) { return o.y1 == 666; }))
    EXPECT_EQ(t.colour, 0) << t.text;
  EXPECT_TRUE(TextRowsDrawn(run.log, {{"Ｐ", 16, 666, 0}}, from));
  for (size_t i = from; i < run.log.size(); ++i)
    EXPECT_TRUE(InFootOrField(run.log[i])) << platform::opToJson(run.log[i]);
}

TEST(MasterMenu, AnythingButAWholeChoiceAsksAgainOverTheUnchangedPage) {
  for (const char* entry : {"11", "0", "-1", "", "9.6", "19/2", "3/2", "1/0"}) {
    auto run = Play(std::string("2{Enter}") + entry + "{Enter}");
    size_t from = AfterLast(run.log, IsPageClear);
    size_t wipe = AfterLast(run.log, IsFootBandClear);
    ASSERT_GT(wipe, from) << "entry \"" << entry << "\"";
    EXPECT_EQ(GlyphsAt(run.log, 666, 16, 992, wipe), kLine) << "entry \"" << entry << "\"";
    for (size_t i = from; i < run.log.size(); ++i)
      ASSERT_TRUE(InFootOrField(run.log[i])) << "entry \"" << entry << "\": " << platform::opToJson(run.log[i]);
    EXPECT_EQ(run.status, 0) << "entry \"" << entry << "\"";
  }
}

TEST(MasterMenu, TenReturnsToTheMainMenu) {
  for (const char* entry : {"10", "20/2", "10.0"}) {
    auto run = Play(std::string("2{Enter}") + entry + "{Enter}");
    size_t menu = AfterLast(run.log, IsFootBandClear);
    EXPECT_FALSE(IndexesOf(run.log, IsMainMenuPanel, menu).empty()) << "entry \"" << entry << "\"";
  }
}

TEST(MasterMenu, OneToNineOpenTheirAnswers) {
  const char* numbers[] = {"1", "2(1)", "3(1)", "4", "5", "6", "7", "8", "9"};
  for (int n = 1; n <= 9; ++n) {
    auto run = Play("2{Enter}" + std::to_string(n) + "{Enter}");
    size_t page = AfterLast(run.log, IsPageClear);
    // The number box's text, white on its coloured fill, right of the caption box.
    std::string number;
    auto inNumberBox = [](const Op& o) { return o.kind == OpKind::Text && o.colour == 13 && o.x1 > 296; };
    for (const Op& t : OpsOf(run.log, inNumberBox, page)) number += t.text;
    EXPECT_EQ(number, numbers[n - 1]) << "choice " << n;
    EXPECT_GT(page, 0u);
  }
}

TEST(MasterMenu, AnAnswerEndsAtTheChoiceLineUnderItsLastPage) {
  TestRun run;
  auto next = run.runScreen(pendrel::MasterLearningSubMenu, "4{Enter}");
  ASSERT_EQ(next, shell::Screen{pendrel::MasterAnswer4});
  ASSERT_EQ(ShowAnswer(run, 4), shell::Screen{pendrel::MasterLearningSubMenu});
  size_t end = run.log.size();
  next = run.runScreen(pendrel::MasterLearningSubMenu, "");
  EXPECT_FALSE(next.has_value());  // waits at the choice line
  EXPECT_EQ(GlyphsAt(run.log, 666, 16, 992, end), kLine);
  EXPECT_TRUE(IndexesOf(run.log, IsPageClear, end).empty());  // the answer stays on the page
}

}  // namespace
}  // namespace pendrel_test
