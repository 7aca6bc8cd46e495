// Osvatine's main menu and item 1's goal and sub-menu: what they draw, and which screen each
// number typed leads to (whole numbers within the menu only; a zero denominator asks again).
#include <gtest/gtest.h>

#include "Support.h"
#include "osvatine/ConstructProve.h"
#include "osvatine/MainMenu.h"
#include "osvatine/ShipPosition.h"
#include "shell/Waits.h"

namespace osvatine_test {
namespace {

using osvatine::ApplicationsMainMenu;
using osvatine::ShipPositionSubMenu;
using shell::Screen;

TEST(MainMenu, DrawsPanelHeadingItemsAndPromptTwice) {
  Bare b("{Enter}");
  ApplicationsMainMenu(b.P);
  const Log& log = b.log;
  ASSERT_GE(log.size(), 3u);
  EXPECT_TRUE(IsFilledBox(log[0], 0, 54, 1440, 900, 15));
  EXPECT_TRUE(IsPageClear(log[1]));
  EXPECT_TRUE(IsFilledBox(log[2], 22, 10, 1342, 610, 10));
  struct Line { float x, y, colour; const char* text; };
  const Line lines[] = {
      {264, 30, 15, "＜Osvatine　メニュー＞"},
      {44, 120, 13, "1　船の位置はどこ？"},
      {44, 180, 15, "2　作図と証明"},
      {44, 240, 13, "3　終了"},
  };
  for (const Line& l : lines) {
    SCOPED_TRACE(l.text);
    auto at = IndexesOf(log, [&](const Op& o) { return o.kind == OpKind::Text && o.y1 == l.y; });
    ASSERT_FALSE(at.empty());
    EXPECT_EQ(log[at.front()].x1, l.x);
    EXPECT_EQ(log[at.front()].colour, l.colour);
    EXPECT_EQ(TextOf(log, at.front(), at.back() + 1), l.text);
  }
  auto prompt = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "番"; });
  ASSERT_EQ(prompt.size(), 2u);  // the menu's own, then the number input's
  for (size_t i : prompt) {
    EXPECT_EQ(log[i].x1, 816);
    EXPECT_EQ(log[i].y1, 648);
    EXPECT_EQ(log[i].colour, 0);
  }
}

// Each entry, typed at the main menu, and where it leads: the value decides, whole numbers only.
TEST(MainMenu, ActsOnTheWholeNumberItChecked) {
  const Screen item1{osvatine::ShipPositionLessonStart}, item2{osvatine::ConstructProveLessonStart}, end{},
      redraw{ApplicationsMainMenu};
  struct Case { const char* keys; Screen next; };
  const Case cases[] = {
      {"1", item1},   {"2/2", item1}, {"1.0", item1}, {"2", item2},    {"4/2", item2},  {"3", end},
      {"6/2", end},   {"3.0", end},   {"0", redraw},  {"4", redraw},   {"1.5", redraw}, {"2.5", redraw},
      {"-1", redraw}, {"", redraw},   {"-4/-2", item2}, {"1/0", redraw}, {"4/", redraw},  {"/", redraw},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Bare b(std::string(c.keys) + "{Enter}");
    Screen next = ApplicationsMainMenu(b.P);
    EXPECT_EQ(next, c.next);
    // A lesson is entered on a cleared page; a redraw and the end clear nothing more.
    bool cleared = IsPageClear(b.log.back());
    EXPECT_EQ(cleared, c.next == item1 || c.next == item2);
  }
}

TEST(ShipLesson, GoalTextThenTheChoiceLineWithNoKeyWait) {
  auto r = Play("1{Enter}");
  const Log& log = r.log;
  size_t start = AfterLast(log, [](const Op& o) { return IsPageClear(o); });
  auto meate = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "<"; }, start);
  ASSERT_FALSE(meate.empty());
  EXPECT_EQ(log[meate[0]].x1, 44);
  EXPECT_EQ(log[meate[0]].y1, 240);
  EXPECT_EQ(log[meate[0]].colour, 3);
  auto goal = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 305; }, start);
  ASSERT_FALSE(goal.empty());
  EXPECT_EQ(log[goal[0]].x1, 44);
  EXPECT_EQ(log[goal[0]].colour, 0);
  EXPECT_EQ(TextOf(log, goal.front(), goal.back() + 1), "船の位置を作図でみつけよう。");
  auto choice = IndexesOf(log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 666; }, start);
  ASSERT_FALSE(choice.empty());
  EXPECT_EQ(log[choice[0]].x1, 16);
  EXPECT_TRUE(OpsOf(log, [](const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4); }, start).empty());
}

// Numbers that name no choice ask again and change nothing above the foot band.
TEST(ShipLesson, SubMenuTakesWholeChoicesAndAsksAgainOverTheUnchangedPage) {
  const Screen mainMenu{ApplicationsMainMenu};
  struct Case { const char* keys; Screen next; int asked; };
  const Case cases[] = {
      {"7", mainMenu, 1},
      {"2.5{Enter}1/2{Enter}0{Enter}8{Enter}7", mainMenu, 5},
      {"1/0{Enter}4/{Enter}/{Enter}14/2", mainMenu, 4},
      {"1", {osvatine::ShipProblem}, 1},
      {"2", {osvatine::Angle30Construction}, 1},
      {"3", {osvatine::Angle45Circle}, 1},
      {"4", {osvatine::Angle45Construction}, 1},
      {"5", {osvatine::ShipConstruction}, 1},
      {"6", {osvatine::AngleSumDiscussion}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Bare b(std::string(c.keys) + "{Enter}");
    EXPECT_EQ(ShipPositionSubMenu(b.P), c.next);
    auto lines = IndexesOf(b.log, IsChoiceLine);
    EXPECT_EQ(static_cast<int>(lines.size()), c.asked);
    for (const Op& o : b.log) EXPECT_GE(o.by1, 635) << static_cast<int>(o.kind) << " " << o.text;
    EXPECT_EQ(b.P.v.AINP, 10);
  }
}

TEST(ShipLesson, SevenDrawsTheWholeMainMenuAgain) {
  auto r = Play("1{Enter}7{Enter}");
  size_t from = AfterLast(r.log, IsChoiceLine);
  auto panel = IndexesOf(r.log, [](const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); }, from);
  ASSERT_EQ(panel.size(), 1u);
  EXPECT_TRUE(IsPageClear(r.log[panel[0] - 1]));
  EXPECT_FALSE(IndexesOf(r.log, [](const Op& o) { return o.kind == OpKind::Text && o.y1 == 30 && o.x1 == 264; },
                         panel[0]).empty());
}

}  // namespace
}  // namespace osvatine_test
