// The string functions of the lessons: character-wise (a double-byte character counts as one)
// and byte-wise on the cp932 encoding. Strings are UTF-8 in memory.
#pragma once
#include <string>
#include <vector>

namespace platform {

// The characters of a UTF-8 text, each as its own UTF-8 string.
std::vector<std::string> chars(const std::string& s);
// cp932 byte length of one character: 1 for ASCII and half-width katakana, else 2; 0 for "".
int charBytes(const std::string& ch);

// Counts and positions are rounded to whole numbers. A count below 0 takes nothing, but for the
// mid functions, whose default count is -1, it takes the rest; a start below 1 starts at 1.
// Character-wise; positions count from 1; 0 means not found.
int kLen(const std::string& s);
std::string kLeft(const std::string& s, double n);
std::string kMid(const std::string& s, double start, double n = -1);
std::string kRight(const std::string& s, double n);
int kInstr(double start, const std::string& s, const std::string& find);

// Byte-wise on the cp932 encoding. Whole characters come back as written; a double-byte
// character cut in half leaves its byte in the text as a private-use stand-in, so that the
// halves joined again (as a byte-by-byte copy does) make the character again.
int bLen(const std::string& s);
std::string bLeft(const std::string& s, double n);
std::string bMid(const std::string& s, double start, double n = -1);
std::string bRight(const std::string& s, double n);
int bInstr(double start, const std::string& s, const std::string& find);
// The text with the halves of cut characters that meet joined into their character again.
std::string joinHalves(const std::string& s);

// Conversion between UTF-8 and cp932 bytes. A character cp932 lacks counts as "？" (two bytes).
std::string toCp932(const std::string& utf8);
std::string fromCp932(const std::string& bytes);

// Byte order on the cp932 encoding: negative, 0 or positive.
int compareBytes(const std::string& a, const std::string& b);

}  // namespace platform
