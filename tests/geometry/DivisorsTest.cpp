// Divisor pairs in the point tables and prime factors with their exponents in G(); the
// numbers with nothing to find and the tables' bound.
#include <gtest/gtest.h>

#include <vector>

#include "geometry/Numbers.h"
#include "platform/Errors.h"
#include "support/TestRun.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

struct DivisorCase {
  float n;
  std::vector<float> divisors;
  float pairs;
};

TEST(ListDivisorPairs, DivisorsAscendingWithTheirCoDivisors) {
  const DivisorCase cases[] = {
      {12, {1, 2, 3, 4, 6, 12}, 3},
      {-12, {1, 2, 3, 4, 6, 12}, 3},
      {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 4},
      {7, {1, 7}, 1},
      // The first pass runs before the bound is tested.
      {0, {1}, 0},
  };
  for (const DivisorCase& k : cases) {
    SCOPED_TRACE(k.n);
    TestRun run;
    auto& v = run.v;
    v.X_a(0) = v.Y_a(0) = 99;
    v.DY = k.n;
    geometry::ListDivisorPairs(run.P);
    EXPECT_EQ(v.DY, k.n < 0 ? -k.n : k.n);
    ASSERT_EQ(v.P, k.divisors.size());
    for (size_t i = 0; i < k.divisors.size(); ++i) {
      EXPECT_EQ(v.X_a(i + 1), k.divisors[i]);
      EXPECT_EQ(v.Y_a(i + 1), v.DY / k.divisors[i]);
    }
    EXPECT_EQ(v.KOSUU, k.pairs);
    EXPECT_EQ(v.X_a(0), 99);
  }
}

TEST(ListDivisorPairs, MoreDivisorsThanThePointTablesHoldIsASubscriptError) {
  struct Bound {
    const char* program;
    float fits, tooMany;
  } bounds[] = {{"pendrel", 2520, 5040}, {"lunevar", 720, 2520}};
  for (const Bound& b : bounds) {
    SCOPED_TRACE(b.program);
    TestRun run("", b.program);
    run.v.DY = b.fits;
    geometry::ListDivisorPairs(run.P);
    EXPECT_EQ(run.v.X_a(run.v.P), b.fits);
    run.v.DY = b.tooMany;
    try {
      geometry::ListDivisorPairs(run.P);
      ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError& e) {
      EXPECT_EQ(e.code, platform::SubscriptOutOfRange);
    }
  }
}

struct FactorCase {
  float n;
  std::vector<std::pair<float, float>> primes;
  float cofactor;
};

TEST(FactorIntoPrimes, PrimesTwoToTwentyThreeWithTheirExponents) {
  const FactorCase cases[] = {
      {60, {{2, 2}, {3, 1}, {5, 1}}, 1},
      {-60, {{2, 2}, {3, 1}, {5, 1}}, 1},
      // 29 is in the table but never tried.
      {58, {{2, 1}}, 29},
      {1, {}, 1},
      {31, {}, 31},
      {9699690, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
      {46, {{2, 1}, {23, 1}}, 1},
      // Every prime divides 0: nothing to find, at once.
      {0, {}, 0},
      {0.3f, {}, 0.3f},
  };
  for (const FactorCase& k : cases) {
    SCOPED_TRACE(k.n);
    TestRun run;
    auto& v = run.v;
    for (int i = 1; i <= 10; ++i) v.G_a(i, 1) = v.G_a(i, 2) = 5;
    v.SOSU = k.n;
    geometry::FactorIntoPrimes(run.P);
    EXPECT_EQ(v.SOSU, k.n < 0 ? -k.n : k.n);
    EXPECT_EQ(v.P, 10);
    ASSERT_EQ(v.Q, k.primes.size());
    for (int i = 1; i <= 9; ++i) {
      auto want = i <= static_cast<int>(k.primes.size()) ? k.primes[i - 1] : std::pair<float, float>{0, 0};
      EXPECT_EQ(v.G_a(i, 1), want.first) << i;
      EXPECT_EQ(v.G_a(i, 2), want.second) << i;
    }
    EXPECT_EQ(v.G_a(10, 1), k.cofactor);
    EXPECT_EQ(v.G_a(10, 2), 1);
    const float table[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(v.R_a(i), table[i - 1]);
  }
}

}  // namespace
}  // namespace geometry_test
