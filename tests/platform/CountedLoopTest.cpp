// The lessons' counted loop: the first pass before the bound is tested, the index left one step
// past the last pass, and an end where a float index can no longer move.
#include <gtest/gtest.h>

#include <vector>

#include "platform/CountedLoop.h"
#include "ErrorOf.h"

namespace platform {
namespace {

TEST(CountedLoop, PassesAndTheIndexLeftBehind) {
  struct Case {
    const char* name;
    float from, to, step;
    std::vector<float> passes;
    float after;
  } cases[] = {
      {"up by one", 1, 3, 1, {1, 2, 3}, 4},
      {"an empty range still makes one pass", 5, 1, 1, {5}, 6},
      {"a step that jumps past the bound", 180, 360, 100, {180, 280}, 380},
      {"a step too fine to move the index", 180, 360, 1e-6f, {180}, 180},
      {"an index too large to grow by one", 16777216, 16777220, 1, {16777216}, 16777216},
  };
  for (const auto& c : cases) {
    std::vector<float> seen;
    float index = -1;
    CountBy(index, c.from, c.to, c.step, [&] {
      seen.push_back(index);
      ASSERT_LT(seen.size(), 100u) << c.name << ": the loop does not end";
    });
    EXPECT_EQ(seen, c.passes) << c.name;
    EXPECT_EQ(index, c.after) << c.name;
  }
}

TEST(CountedLoop, TheBoundIsReadOnce) {
  float index = 0, bound = 3;
  int passes = 0;
  CountUp(index, 1, bound, [&] { ++passes; bound = 100; });
  EXPECT_EQ(passes, 3);
}

TEST(CountedLoop, AnIndexThatOverflowsIsError6) {
  float index = 0;
  EXPECT_EQ(errorOf([&] { CountBy(index, 3e38f, 3.4e38f, 3e38f, [] {}); }), Overflow);
}

}  // namespace
}  // namespace platform
