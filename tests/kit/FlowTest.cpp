// The flow of a lesson: the sub-menu's choice taken before AINP is reset, and random sizes that
// stay within range.
#include <gtest/gtest.h>

#include <cmath>

#include "kit/Flow.h"
#include "shell/Program.h"
#include "support/TestRun.h"

namespace {

using testsupport::TestRun;

shell::Screen First(shell::Program&) { return {}; }
shell::Screen Second(shell::Program&) { return {}; }
constexpr kit::ScreenFn kTargets[] = {First, Second};

TEST(KitSubMenu, ChoiceIsTakenBeforeAinpIsResetAndOutOfRangeAsksAgain) {
  struct Case { const char* keys; kit::ScreenFn chosen; float sentaku; bool resets; float ainpAfter; };
  const Case cases[] = {
      {"2{Enter}", Second, 2, true, 10},
      {"1{Enter}", First, 1, false, 1},
      {"0{Enter}3{Enter}{Enter}4/2{Enter}", Second, 2, true, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TestRun r(c.keys);
    shell::Screen next = kit::SubMenu(r.P, " ①一　②二", kTargets, c.resets);
    EXPECT_EQ(next.run, c.chosen);
    EXPECT_EQ(r.P.v.SENTAKU, c.sentaku);
    EXPECT_EQ(r.P.v.AINP, c.ainpAfter);
  }
}

TEST(KitFlow, RandomSizeStaysWithinItsRange) {
  const float justUnderOne = std::nextafter(1.0f, 0.0f);
  struct Case { float rnd, base, span, expected; };
  // The last two reach base + span when the base is added before the whole part is taken.
  const Case cases[] = {{0, 3, 9, 3}, {0.5f, 3, 9, 7}, {justUnderOne, 20, 9, 28}, {justUnderOne, 100, 60, 159}};
  for (const Case& c : cases) {
    TestRun r;
    r.pf.random().fix(c.rnd);
    EXPECT_EQ(kit::RandomSize(r.P, c.base, c.span), c.expected) << c.rnd << " " << c.span;
  }
}

}  // namespace
