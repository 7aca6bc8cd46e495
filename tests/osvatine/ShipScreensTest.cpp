// What the four ship screens share: each takes its own number of keys and shows the sub-menu at
// once after its last step, and each entry starts again from a cleared page.
#include <gtest/gtest.h>

#include "Support.h"

namespace osvatine_test {
namespace {

struct ScreenKeys {
  const char* choice;
  int keys;
};
constexpr ScreenKeys kScreens[] = {{"1", 3}, {"2", 18}, {"3", 10}, {"4", 17}};

std::string Enter(const ScreenKeys& s) { return "1{Enter}" + std::string(s.choice) + "{Enter}"; }

TEST(ShipScreens, TheSubMenuFollowsTheLastStepWithNoKeyWait) {
  for (const ScreenKeys& s : kScreens) {
    SCOPED_TRACE(s.choice);
    auto before = Play(Enter(s) + Repeat("a", s.keys - 1));
    EXPECT_TRUE(IndexesOf(before.log, IsChoiceLine, ScreenStart(before.log)).empty());
    auto after = Play(Enter(s) + Repeat("a", s.keys));
    size_t from = ScreenStart(after.log);
    auto waits = IndexesOf(after.log, IsWaitBox, from);
    auto choice = IndexesOf(after.log, IsChoiceLine, from);
    EXPECT_EQ(static_cast<int>(waits.size()), s.keys);
    ASSERT_EQ(choice.size(), 1u);
    EXPECT_GT(choice[0], waits.back());
  }
}

// The screen drawn a second time from the sub-menu is the same, operation for operation.
TEST(ShipScreens, EnteringAgainDrawsTheSameScreen) {
  auto sameOps = [](const Op& a, const Op& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.r == b.r &&
           a.start == b.start && a.end == b.end && a.colour == b.colour && a.fill == b.fill && a.text == b.text &&
           a.points == b.points && a.width == b.width;
  };
  for (const ScreenKeys& s : kScreens) {
    SCOPED_TRACE(s.choice);
    std::string once = Enter(s) + Repeat("a", s.keys);
    auto r = Play(once + s.choice + "{Enter}" + Repeat("a", s.keys));
    auto clears = IndexesOf(r.log, [](const Op& o) { return IsPageClear(o); });
    ASSERT_GE(clears.size(), 2u);
    size_t first = clears[clears.size() - 2], second = clears.back();
    auto firstEnd = IndexesOf(r.log, IsChoiceLine, first).front();
    auto secondEnd = IndexesOf(r.log, IsChoiceLine, second).front();
    ASSERT_EQ(firstEnd - first, secondEnd - second);
    // The clearing itself is drawn at the width the last screen left (5), the first time at 3.
    for (size_t i = 1; i < firstEnd - first; ++i)
      ASSERT_TRUE(sameOps(r.log[first + i], r.log[second + i])) << "operation " << i;
  }
}

}  // namespace
}  // namespace osvatine_test
