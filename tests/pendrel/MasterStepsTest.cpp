// The key waits of the second set's pages, each page naming the next one (or the choice line)
// right after its last step; and every answer drawing the same whatever ran before it.
#include <gtest/gtest.h>

#include "MasterSet.h"
#include "pendrel/ConfirmLearning.h"

namespace pendrel_test {
namespace {

TEST(MasterSteps, EveryPageWaitsWhereItsStepsStandAndEndsAtOnce) {
  for (int answer = 1; answer <= 9; ++answer) {
    for (const Page& p : PagesOf(answer)) {
      TestRun shortOfOne;
      EXPECT_FALSE(shortOfOne.runScreen(p.screen, Repeat("k", p.keys - 1)).has_value())
          << "answer " << answer << " stopped before its last key";
      TestRun all;
      EXPECT_EQ(all.runScreen(p.screen, Repeat("k", p.keys)), shell::Screen{p.next}) << "answer " << answer;
      // One prompt box per key, each wiped after its key: none is left on the page.
      auto waits = IndexesOf(all.log, IsWaitBox);
      EXPECT_EQ(waits.size(), static_cast<size_t>(p.keys)) << "answer " << answer;
      ASSERT_FALSE(waits.empty());
      auto wipe = IndexesOf(all.log, [](const Op& o) { return IsFilledBox(o, 0, 657, 400, 693, 15); }, waits.back());
      ASSERT_FALSE(wipe.empty());
      if (p.next == pendrel::MasterLearningSubMenu) {
        EXPECT_LT(wipe.front() + 1, all.log.size()) << "answer " << answer << ": its last step drew nothing";
      } else {  // the key wait that ends a page of several is its last operation
        EXPECT_EQ(wipe.front() + 1, all.log.size()) << "answer " << answer << ": drawn after the page's last key";
      }
    }
  }
}

TEST(MasterSteps, AnAnswerShownTwiceInARowDrawsTheSame) {
  for (int answer = 1; answer <= 9; ++answer) {
    TestRun run;
    ASSERT_TRUE(ShowAnswer(run, answer).has_value()) << "answer " << answer;
    Log first = run.log;
    run.log.clear();
    ASSERT_TRUE(ShowAnswer(run, answer).has_value()) << "answer " << answer;
    EXPECT_EQ(FirstDifference(run.log, first), "") << "answer " << answer;
  }
}

// What earlier screens leave behind: ticks' spacing grown, the arm order reversed, point numbers
// and line coefficients in A to C, every table entry and the answers' own variables set.
void LeaveScreensLeftovers(TestRun& run) {
  auto& v = run.v;
  v.AIDA = 16;  // grown by earlier ticks (above 30 it would count as 8 again)
  v.ITI = -1;
  v.A = 7; v.B = 3; v.C = -2; v.M = 9; v.N = 4;
  v.NAGASA = 99; v.HONSU = 5; v.CCC1 = 9; v.CCC2 = 9; v.CCC3 = 9;
  v.AX2 = 5; v.AY2 = 5; v.X1 = 1; v.Y1 = 1; v.RR1 = 1;
  for (int i = 0; i <= 50; ++i) { v.X_a(i) = 123; v.Y_a(i) = 456; }
  for (int i = 0; i <= 10; ++i) v.R_a(i) = 11;
  auto& L = pendrel::Pv(run.P);
  L = {1, 2, 3, 4, 5, 6, 7, 8};
  run.pf.setDrawWidth(1);
}

TEST(MasterSteps, EveryAnswerDrawsTheSameWhateverRanBefore) {
  for (int answer = 1; answer <= 9; ++answer) {
    TestRun fresh;
    ASSERT_TRUE(ShowAnswer(fresh, answer).has_value()) << "answer " << answer;
    TestRun after;
    LeaveScreensLeftovers(after);
    ASSERT_TRUE(ShowAnswer(after, answer).has_value()) << "answer " << answer;
    EXPECT_EQ(FirstDifference(after.log, fresh.log), "") << "answer " << answer;
  }
}

// The first set's answer 5 leaves the ticks' spacing grown; answer 8's ticks set it again.
TEST(MasterSteps, AnswerEightAfterTheFirstSetsAnswerFiveDrawsAsAfterStart) {
  TestRun fresh;
  ASSERT_TRUE(ShowAnswer(fresh, 8).has_value());
  TestRun after;
  ASSERT_EQ(after.runScreen(pendrel::ConfirmAnswer5, Repeat("k", 8)), shell::Screen{pendrel::ConfirmLearningSubMenu});
  EXPECT_GT(after.v.AIDA, 8);
  after.log.clear();
  ASSERT_TRUE(ShowAnswer(after, 8).has_value());
  EXPECT_EQ(FirstDifference(after.log, fresh.log), "");
}

}  // namespace
}  // namespace pendrel_test
