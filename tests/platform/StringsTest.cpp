// The string functions, character-wise and cp932 byte-wise, on tables of cases that include
// double-byte characters whose second byte is an ASCII one and half-width katakana.
#include <gtest/gtest.h>

#include "platform/Strings.h"

namespace platform {
namespace {

// "表" is 95 5C in cp932 (its second byte is the backslash); "ソ" is 83 5C; "ﾀ" is the one byte C0.
TEST(Strings, CountsCharactersAndBytes) {
  struct Case {
    const char* text;
    int chars, bytes;
  } cases[] = {
      {"", 0, 0},          {"abc", 3, 3},     {"表", 1, 2},        {"ｱｲｳ", 3, 3},       {"ﾀ1/2ﾀ", 5, 5},
      {"番号を", 3, 6},    {"a表ﾀ", 3, 4},    {"×÷±°√", 5, 10},   {"　", 1, 2},        {"ℓ", 1, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kLen(c.text), c.chars) << c.text;
    EXPECT_EQ(bLen(c.text), c.bytes) << c.text;
  }
  EXPECT_EQ(charBytes("ﾝ"), 1);
  EXPECT_EQ(charBytes("ン"), 2);
  EXPECT_EQ(charBytes(""), 0);
}

TEST(Strings, CharacterWiseCutsAndSearches) {
  const std::string s = "表ソa表b";
  EXPECT_EQ(kLeft(s, 2), "表ソ");
  EXPECT_EQ(kLeft(s, 0), "");
  EXPECT_EQ(kLeft(s, 99), s);
  EXPECT_EQ(kRight(s, 2), "表b");
  EXPECT_EQ(kRight(s, -1), "");
  EXPECT_EQ(kMid(s, 3), "a表b");
  EXPECT_EQ(kMid(s, 2, 2), "ソa");
  EXPECT_EQ(kMid(s, 9, 1), "");
  EXPECT_EQ(kMid(s, 2.6, 1), "a") << "positions round to nearest";
  EXPECT_EQ(kInstr(1, s, "表"), 1);
  EXPECT_EQ(kInstr(2, s, "表"), 4);
  EXPECT_EQ(kInstr(1, s, "\\"), 0) << "a double-byte character never matches a one-byte mark";
  EXPECT_EQ(kInstr(1, s, "x"), 0);
  EXPECT_EQ(kInstr(1, "ﾀ1/2ﾀ", "ﾀ"), 1);
}

TEST(Strings, ByteWiseSeesSecondBytes) {
  EXPECT_EQ(bInstr(1, "表", "\\"), 2);
  EXPECT_EQ(bInstr(1, "aソ\\", "\\"), 3);
  EXPECT_EQ(bInstr(4, "aソ\\", "\\"), 4);
  EXPECT_EQ(bInstr(1, "ﾀ1/2ﾀ", "/"), 3);
  EXPECT_EQ(bInstr(3, "表表", "表"), 3);
  EXPECT_EQ(bInstr(1, "abc", ""), 1);
  EXPECT_EQ(bInstr(5, "abc", "c"), 0);
  // Clock text, cut the way start-up cuts it.
  EXPECT_EQ(bLeft("23:59:58", 2), "23");
  EXPECT_EQ(bMid("23:59:58", 4, 2), "59");
  EXPECT_EQ(bRight("23:59:58", 2), "58");
  EXPECT_EQ(bLeft("表a", 2), "表");
  EXPECT_EQ(bMid("a表b", 2, 2), "表");
  EXPECT_EQ(bRight("a−", 2), "−") << "whole characters come back as written";
}

TEST(Strings, CutHalvesJoinAgain) {
  // A copy made byte by byte, as the lessons' blank-stripping loop makes it, gives the text back.
  const std::string s = "a 表ソ ﾀ";
  std::string copy;
  int n = bLen(s);
  int i = 1;
  do {
    std::string b = bMid(s, i, 1);
    if (b != " ") copy += b;
  } while (++i <= n);
  EXPECT_EQ(joinHalves(copy), "a表ソﾀ");
  EXPECT_EQ(kLen(copy), 4);
  EXPECT_EQ(bLen(copy), 6);
  // A half alone is one byte and no character of the text.
  EXPECT_EQ(bLen(bLeft("表", 1)), 1);
  EXPECT_EQ(bMid("表", 2, 1), "\\") << "the second byte alone is the backslash";
}

// A UTF-8 sequence cut short is one invalid byte, a one-byte character of its own: whatever
// follows it is still counted, cut and found.
TEST(Strings, AnInvalidByteIsOneCharacterAndHidesNothingAfterIt) {
  struct Case {
    const char* text;
    int chars, bytes;
    const char* lastByte;
  } cases[] = {
      {"\xE3" "A", 2, 2, "A"},
      {"\xE3\x81" "A", 3, 3, "A"},
      {"表\xF0" "b", 3, 4, "b"},
      {"\x80" "c", 2, 2, "c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kLen(c.text), c.chars) << c.text;
    EXPECT_EQ(bLen(c.text), c.bytes) << c.text;
    EXPECT_EQ(bRight(c.text, 1), c.lastByte) << c.text;
    EXPECT_EQ(bInstr(1, c.text, c.lastByte), c.bytes) << c.text;
    EXPECT_EQ(kInstr(1, c.text, c.lastByte), c.chars) << c.text;
  }
  EXPECT_EQ(kInstr(1, "あ", "\xE3"), 0) << "the first byte alone is not the character";
}

TEST(Strings, ByteOrder) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"-", "9", -1}, {"5", "-", 1}, {"9", "9", 0}, {"a", "ab", -1}, {"表", "9", 1}, {"ｱ", "表", 1}};
  for (const auto& c : cases) EXPECT_EQ(compareBytes(c.a, c.b), c.sign) << c.a << " " << c.b;
}

}  // namespace
}  // namespace platform
