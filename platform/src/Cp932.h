// cp932 bytes of UTF-8 text, for the byte-wise string functions.
// A byte cut from a double-byte pair is kept in the text as a private-use character
// (U+F780 + byte - 0x80), so that joining the two halves again gives the pair back.
#pragma once
#include <string>
#include <vector>

namespace platform::cp932 {

// The length in bytes of the character that starts at s[i]: a whole UTF-8 sequence, or 1 for
// a byte that starts none (an invalid byte is a character of its own).
size_t charLen(const std::string& s, size_t i);
// The characters of a UTF-8 text (an invalid byte is a character of its own).
std::vector<std::string> splitChars(const std::string& s);
// The cp932 bytes of one character: 1 for ASCII and half-width katakana, 2 for the rest;
// a character cp932 lacks counts as the two bytes of "？".
std::string encodeChar(const std::string& ch);
std::string encode(const std::string& utf8);
// UTF-8 of cp932 bytes; a byte that is not a whole character becomes its private-use stand-in.
std::string decode(const std::string& bytes);
// The bytes from..from+count of a text's encoding as UTF-8: whole characters as they are
// written, the halves of a cut pair as stand-ins (joined again where they meet).
std::string sliceBytes(const std::string& s, size_t from, size_t count);
// Whether a text holds any of those stand-ins.
bool hasLoneBytes(const std::string& s);
// The text without them (what is drawn).
std::string withoutLoneBytes(const std::string& s);

}  // namespace platform::cp932
