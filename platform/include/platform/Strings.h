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

// Character-wise; positions count from 1; 0 means not found.
int kLen(const std::string& s);
std::string kLeft(const std::string& s, double n);
std::string kMid(const std::string& s, double start, double n = -1);
std::string kRight(const std::string& s, double n);
int kInstr(double start, const std::string& s, const std::string& find);

// Byte-wise on the cp932 encoding. A double-byte character cut in half drops its stray byte.
int bLen(const std::string& s);
std::string bLeft(const std::string& s, double n);
std::string bMid(const std::string& s, double start, double n = -1);
std::string bRight(const std::string& s, double n);
int bInstr(double start, const std::string& s, const std::string& find);

// Conversion between UTF-8 and cp932 bytes. Characters with no cp932 form become "?".
std::string toCp932(const std::string& utf8);
std::string fromCp932(const std::string& bytes);

// Byte order on the cp932 encoding: negative, 0 or positive.
int compareBytes(const std::string& a, const std::string& b);

}  // namespace platform
