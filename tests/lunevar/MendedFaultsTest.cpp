// Faults of the lesson as first written, mended here: the display options taken while the page
// holds another screen than the explorer, and the introductory figure entered again and again.
#include <gtest/gtest.h>

#include "lunevar/ScreenLog.h"
#include "support/PagePixels.h"

namespace lunevar_test {
namespace {

using testsupport::PagePixels;

bool IsTitleBox(const Op& o) { return IsFilledBox(o, 640, 30, 1072, 80, 13); }
bool IsErrorScreen(const Op& o) {
  return o.kind == OpKind::Text && o.text.find("エラーが発生しました") != std::string::npos;
}

// Choices 2 and 3 taken while the page holds another screen (the introduction, or choice 4's or
// 5's) show the page that choice 1, Enter and the same option would show, with P and B where the
// pupil left them in the explorer; the other screen stays only while the option is asked.
TEST(OptionsBeforeTheExplorer, ShowTheExplorersPageAsChoiceOneWould) {
  const std::string moved = "1{Enter}{Left}{Left}{Up}{Enter}";  // P at 300, B at 60
  const std::string between = "1{Enter}" + Repeat("{Right}", 22) + "{Enter}";  // P at 60, B at 70
  struct Case { std::string name, before, option, reference; };
  const Case cases[] = {
      {"after the introduction, choice 2", "", "2{Enter}1{Enter}", "1{Enter}{Enter}2{Enter}1{Enter}"},
      {"after the introduction, choice 3", "", "3{Enter}1{Enter}", "1{Enter}{Enter}3{Enter}1{Enter}"},
      {"after the summary, choice 2", "5{Enter}", "2{Enter}2{Enter}", "5{Enter}1{Enter}{Enter}2{Enter}2{Enter}"},
      {"after the summary, choice 3", "5{Enter}", "3{Enter}1{Enter}", "5{Enter}1{Enter}{Enter}3{Enter}1{Enter}"},
      {"after several angles, choice 2", "4{Enter}", "2{Enter}1{Enter}", "4{Enter}1{Enter}{Enter}2{Enter}1{Enter}"},
      {"after several angles, choice 3", "4{Enter}", "3{Enter}-1{Enter}",
       "4{Enter}1{Enter}{Enter}3{Enter}-1{Enter}"},
      {"moved, then the summary", moved + "5{Enter}", "2{Enter}1{Enter}",
       moved + "5{Enter}" + moved + "2{Enter}1{Enter}"},
      {"moved with a text on, then several angles", moved + "2{Enter}2{Enter}{Enter}4{Enter}", "3{Enter}1{Enter}",
       moved + "2{Enter}2{Enter}{Enter}4{Enter}" + moved + "3{Enter}1{Enter}"},
      {"P between A and B, then the summary", between + "5{Enter}", "2{Enter}2{Enter}",
       between + "5{Enter}" + between + "2{Enter}2{Enter}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = Play(kToSubMenu + c.before + c.option);
    auto want = Play(kToSubMenu + c.reference);
    EXPECT_EQ(PagePixels(r.pf.page()).differencesFrom(PagePixels(want.pf.page())), 0u);
    auto &L = State(r), &W = State(want);
    EXPECT_EQ(L.DHB, W.DHB);
    EXPECT_EQ(L.DHP, W.DHP);
    EXPECT_EQ(r.v.HH_a(3), want.v.HH_a(3));
    EXPECT_EQ(r.v.HH_a(5), want.v.HH_a(5));
    EXPECT_EQ(L.KAKU1_s, W.KAKU1_s);
    EXPECT_EQ(L.KAKU2_s, W.KAKU2_s);
    EXPECT_EQ(L.TKEI_s, W.TKEI_s);
    // The explorer's title comes after the option was asked and wiped from the foot band.
    EXPECT_GT(AfterLast(r.log, IsTitleBox), AfterLast(r.log, IsFootBandClear));
  }
}

TEST(OptionsBeforeTheExplorer, AFreshVisitOfTheItemOpensItAgain) {
  // Moved in one visit, then the item left and entered again: choice 2 starts from the set-up.
  auto r = Play(kToExplorer + "{Left}{Down}{Enter}6{Enter}" + kToSubMenu + "2{Enter}2{Enter}");
  EXPECT_EQ(IndexesOf(r.log, IsTitleBox).size(), 2u);
  EXPECT_EQ(State(r).DHB, 70);
  EXPECT_EQ(State(r).DHP, 280);
  EXPECT_EQ(State(r).KAKU2_s, "on");
}

TEST(OptionsBeforeTheExplorer, AfterTheExplorerTheyKeepThePositions) {
  auto r = Play(kToExplorer + "{Left}{Down}{Enter}3{Enter}1{Enter}");
  EXPECT_EQ(IndexesOf(r.log, IsTitleBox).size(), 1u);
  EXPECT_EQ(State(r).DHB, 80);
  EXPECT_EQ(State(r).DHP, 290);
}

TEST(IntroFigure, EnteredManyTimesDrawsTheSameFigure) {
  std::string keys;
  for (int i = 0; i < 40; ++i) keys += kToSubMenu + "6{Enter}";
  auto r = Play(keys + "8{Enter}");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(IndexesOf(r.log, IsErrorScreen).empty());
  // Only the centre is read from the grid; the rest of the table is left as it was.
  auto& v = r.v;
  for (int i = 8; i <= 10; ++i) EXPECT_EQ(v.X_a(i), 0) << i;
  EXPECT_EQ(OpsOf(r.log, [](const Op& o) { return IsCircleAt(o, 228, 410, 150) && o.start == 0; }).size(), 40u);
}

}  // namespace
}  // namespace lunevar_test
