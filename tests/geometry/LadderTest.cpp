// The factor ladder: rows of prime, ")" and number with a rule under each and the quotient
// below, the waits between the steps, and the numbers with no prime to show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/Numbers.h"
#include "support/MathTextLog.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::ContainsRun;
using testsupport::MathTextOps;
using testsupport::TestRun;

namespace {

struct Row {
  std::string text;
  float x, y;
};

struct LadderCase {
  float n;
  std::vector<Row> texts;      // in drawing order, ladder at (100, 100)
  std::vector<float> ruleYs;   // each from x 130 to ruleEnd
  float ruleEnd, bottomY, bottom;
};

TEST(ShowFactorLadder, DivisionsDownToTheLastPrime) {
  const LadderCase cases[] = {
      {60,
       {{"2)", 100, 100}, {" 60", 130, 100}, {" 30", 130, 164}, {"2)", 100, 164}, {" 30", 130, 164},
        {" 15", 130, 228}, {"3)", 100, 228}, {" 15", 130, 228}, {" 5", 160, 292}},
       {146, 210, 274}, 220, 292, 5},
      {8, {{"2)", 100, 100}, {" 8", 130, 100}, {" 4", 130, 164}, {"2)", 100, 164}, {" 4", 130, 164}, {" 2", 130, 228}},
       {146, 210}, 190, 228, 2},
      {12,
       {{"2)", 100, 100}, {" 12", 130, 100}, {" 6", 160, 164}, {"2)", 100, 164}, {" 6", 160, 164}, {" 3", 160, 228}},
       {146, 210}, 220, 228, 3},
      {6, {{"2)", 100, 100}, {" 6", 130, 100}, {" 3", 130, 164}}, {146}, 190, 164, 3},
      // A prime factor past 23 is never divided out.
      {124, {{"2)", 100, 100}, {" 124", 130, 100}, {" 62", 160, 164}}, {146}, 250, 164, 62},
      // Nothing to divide: a prime up to 23, a number with no prime to 23, and 1.
      {7, {}, {}, 0, 100, 7},
      {62, {}, {}, 0, 100, 62},
      {31, {}, {}, 0, 100, 31},
      {1, {}, {}, 0, 100, 1},
  };
  for (const LadderCase& k : cases) {
    SCOPED_TRACE(k.n);
    TestRun run;
    auto& v = run.v;
    v.SOSU = k.n;
    geometry::FactorIntoPrimes(run.P);
    v.XTAKE = 100, v.YTAKE = 100, v.NASI = 0;
    geometry::ShowFactorLadder(run.P);
    std::vector<Op> texts, want;
    std::vector<float> rules;
    for (const Op& op : run.log) {
      if (op.kind != OpKind::Line) {
        texts.push_back(op);
        continue;
      }
      EXPECT_EQ(op.x1, 130);
      EXPECT_EQ(op.x2, k.ruleEnd);
      EXPECT_EQ(op.y2, op.y1);
      EXPECT_EQ(op.colour, 0);
      rules.push_back(op.y1);
    }
    for (const Row& row : k.texts) {
      auto ops = MathTextOps(row.text, row.x, row.y, 0);
      want.insert(want.end(), ops.begin(), ops.end());
    }
    EXPECT_TRUE(ContainsRun(texts, want));
    EXPECT_EQ(texts.size(), want.size());
    EXPECT_EQ(rules, k.ruleYs);
    EXPECT_EQ(v.YTAKE, k.bottomY);
    EXPECT_EQ(v.TA, k.bottom);
    EXPECT_EQ(v.NASI, 0);
  }
}

TEST(ShowFactorLadder, WaitsAfterEachRuleAndQuotientWhenAsked) {
  TestRun run("abcde");
  auto& v = run.v;
  std::vector<size_t> drawnAtKey;
  run.device.onKeyTaken = [&](platform::Page&) { drawnAtKey.push_back(run.log.size()); };
  v.SOSU = 8;
  geometry::FactorIntoPrimes(run.P);
  v.XTAKE = 100, v.YTAKE = 100, v.NASI = 1;
  geometry::ShowFactorLadder(run.P);
  ASSERT_EQ(drawnAtKey.size(), 4u);
  EXPECT_EQ(v.TA, 2);
  // The first wait shows the rule without the quotient, the second the quotient too.
  auto quotient = MathTextOps(" 4", 130, 164, 0);
  std::vector<Op> atFirst(run.log.begin(), run.log.begin() + static_cast<long>(drawnAtKey[0]));
  std::vector<Op> atSecond(run.log.begin(), run.log.begin() + static_cast<long>(drawnAtKey[1]));
  EXPECT_FALSE(ContainsRun(atFirst, quotient));
  EXPECT_TRUE(ContainsRun(atSecond, quotient));
  size_t rules = 0;
  for (const Op& op : atFirst) rules += op.kind == OpKind::Line && op.y1 == 146;
  EXPECT_EQ(rules, 1u);
  EXPECT_EQ(v.NASI, 0);
  // The switch holds for one call only.
  v.YTAKE = 400;
  geometry::ShowFactorLadder(run.P);
  EXPECT_EQ(drawnAtKey.size(), 4u);
}

}  // namespace
}  // namespace geometry_test
