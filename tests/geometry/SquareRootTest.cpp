// Square roots in simplest radical form, as numbers and as texts of the math text markup;
// numbers with no square factors to find return at once.
#include <gtest/gtest.h>

#include "geometry/Numbers.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct RootCase {
  float n;
  float r1a, r1b;
  const char *r1aText, *rab, *rabm, *r1bText;
};

TEST(SimplifySquareRoot, MovesEverySquareFactorOut) {
  const RootCase cases[] = {
      {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {80000, 200, 2, "200", "200!2ﾝ", "!80000ﾝ=", "!2ﾝ"},
      {3, 1, 3, "", "!3ﾝ", "", "!3ﾝ"},
      {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
      {39601, 199, 1, "199", "199ﾝ", "!39601ﾝ=", "ﾝ"},
      // 211 is past the last trial factor: its square stays under the root.
      {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},
      // Not positive whole numbers: nothing is moved out, at once.
      {0, 1, 0, "", "!0ﾝ", "", "!0ﾝ"},
      {-8, 1, -8, "", "!-8ﾝ", "", "!-8ﾝ"},
      {2.5f, 1, 2.5f, "", "!2.5ﾝ", "", "!2.5ﾝ"},
  };
  for (const RootCase& k : cases) {
    SCOPED_TRACE(k.n);
    TestRun run;
    auto& v = run.v;
    v.R1B = k.n;
    geometry::SimplifySquareRoot(run.P);
    EXPECT_EQ(v.R1A, k.r1a);
    EXPECT_EQ(v.R1B, k.r1b);
    EXPECT_EQ(v.R1B1, k.n);
    EXPECT_EQ(v.R1I, 201);
    EXPECT_EQ(v.R1A_s, k.r1aText);
    EXPECT_EQ(v.RAB_s, k.rab);
    EXPECT_EQ(v.RABM_s, k.rabm);
    EXPECT_EQ(v.R1B_s, k.r1bText);
    EXPECT_EQ(v.A_s, k.r1bText);
    EXPECT_TRUE(run.log.empty());
  }
}

TEST(SimplifySquareRoot, TheRootPartKeepsTheBlankOfTheNumberText) {
  TestRun run;
  run.v.R1B = 12;
  geometry::SimplifySquareRoot(run.P);
  EXPECT_EQ(run.v.R1A1_s, "! 3");
  run.v.R1B = 16;
  geometry::SimplifySquareRoot(run.P);
  EXPECT_EQ(run.v.R1A1_s, "");
}

}  // namespace
}  // namespace geometry_test
