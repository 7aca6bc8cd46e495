// Number text both ways, the floor, rounding to a 16-bit integer and checked arithmetic,
// with the run-time error each failure raises.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/ErrorOf.h"
#include "platform/Number.h"

namespace platform {
namespace {

TEST(Number, ToText) {
  struct Case {
    float v;
    const char* text;
  } cases[] = {
      {0, " 0"},          {1, " 1"},           {-1, "-1"},          {0.5f, " .5"},       {-0.5f, "-.5"},
      {100, " 100"},      {1234567, " 1234567"}, {1.0f / 3, " .3333333"}, {2.0f / 3, " .6666667"},
      {0.1f, " .1"},      {3.14159f, " 3.14159"}, {123.456f, " 123.456"}, {-32768, "-32768"},
      {0.05f, " .05"},    {12345678, " 1.234568E+07"}, {1e-5f, " 1E-05"}, {-2.5e-6f, "-2.5E-06"},
      {1366, " 1366"},    {-0.0f, " 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(numToText(c.v), c.text) << c.v;
}

TEST(Number, FromText) {
  struct Case {
    const char* text;
    float v;
  } cases[] = {
      {"", 0},        {" 5", 5},     {"07", 7},     {"-.5", -0.5f}, {"1/2", 1},     {"abc", 0},  {"+4", 4},
      {"-", 0},       {".", 0},      {"1.2.3", 1.2f}, {"12abc", 12}, {" -3.5e2x", -350}, {"1e", 1},
      {"１２", 0},    {"999999999", 1e9f},
  };
  for (const auto& c : cases) EXPECT_FLOAT_EQ(val(c.text), c.v) << c.text;
}

TEST(Number, TextRoundTrip) {
  for (float v : {0.0f, 1.0f, -7.0f, 0.25f, -0.125f, 1056.0f, 3.5e-6f, 4.0e12f})
    EXPECT_EQ(val(numToText(v)), v) << v;
}

TEST(Number, FloorAndRounding) {
  struct Case {
    float v;
    float floor;
    int rounded;
  } cases[] = {
      {2.5f, 2, 2},   {3.5f, 3, 4},     {-2.5f, -3, -2}, {-0.4f, -1, 0},       {0.5f, 0, 0},
      {1.5f, 1, 2},   {2.6f, 2, 3},     {-1.6f, -2, -2}, {32767.4f, 32767, 32767},
      {-32768.5f, -32769, -32768},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fint(c.v), c.floor) << c.v;
    EXPECT_EQ(cint(c.v), c.rounded) << c.v;
  }
}

TEST(Number, ErrorsCarryTheirNumbers) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(errorOf([] { cint(32767.5f); }), Overflow);
  EXPECT_EQ(errorOf([] { cint(-32769); }), Overflow);
  EXPECT_EQ(errorOf([] { cint(40000); }), Overflow);
  EXPECT_EQ(errorOf([&] { cint(nan); }), Overflow);
  EXPECT_EQ(errorOf([] { clng(3e9f); }), Overflow);
  EXPECT_EQ(clng(141), 141);
  EXPECT_EQ(errorOf([] { fdiv(1, 0); }), DivisionByZero);
  EXPECT_EQ(errorOf([] { fdiv(0, 0); }), DivisionByZero);
  EXPECT_EQ(errorOf([] { fdiv(3e38f, 1e-3f); }), Overflow);
  EXPECT_EQ(errorOf([&] { chk(inf); }), Overflow);
  EXPECT_EQ(errorOf([] { chk(3e38f * 10.0f); }), Overflow);
  EXPECT_FLOAT_EQ(fdiv(1, 4), 0.25f);
}

}  // namespace
}  // namespace platform
