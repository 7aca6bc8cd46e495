// Bounds-checked arrays: indexes from 0 to the bound inclusive, subscripts rounded to nearest,
// and error 9 for anything outside, never a read or write past the elements.
#include <gtest/gtest.h>

#include <limits>

#include "platform/Arr.h"
#include "platform/ErrorOf.h"

namespace platform {
namespace {

TEST(Arr, SubscriptsRoundAndStayInBounds) {
  Arr<float> a;
  a.dim(40);
  struct Case {
    double index;
    int error;
  } cases[] = {{0, 0},         {40, 0},      {-0.4, 0},  {40.4, 0},  {39.5, 0},  {40.6, SubscriptOutOfRange},
               {-0.6, SubscriptOutOfRange}, {41, SubscriptOutOfRange}, {1e12, SubscriptOutOfRange},
               {std::numeric_limits<double>::quiet_NaN(), SubscriptOutOfRange}};
  for (const auto& c : cases) EXPECT_EQ(errorOf([&] { a(c.index) = 1; }), c.error) << c.index;
  a(2.4) = 7;
  EXPECT_EQ(a(2), 7);
}

TEST(Arr, TwoIndexesAsDeclared) {
  Arr<std::string> t;
  t.dim(5, 2);
  t(5, 2) = "last";
  t(0, 0) = "first";
  EXPECT_EQ(t(5, 2), "last");
  EXPECT_EQ(t(0, -0.2), "first");
  EXPECT_EQ(t(1, 1), "");
  EXPECT_EQ(errorOf([&] { t(6, 0); }), SubscriptOutOfRange);
  EXPECT_EQ(errorOf([&] { t(0, 3); }), SubscriptOutOfRange);
  EXPECT_EQ(errorOf([&] { t(1); }), SubscriptOutOfRange);
  Arr<float> one, undeclared;
  one.dim(3);
  EXPECT_EQ(errorOf([&] { one(1, 1); }), SubscriptOutOfRange);
  EXPECT_EQ(errorOf([&] { undeclared(0); }), SubscriptOutOfRange);
}

}  // namespace
}  // namespace platform
