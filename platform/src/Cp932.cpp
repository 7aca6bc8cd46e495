// cp932 encoding and decoding, one character at a time, with iconv for the double-byte table.
// Half-width katakana and ASCII are computed directly; everything else is looked up once and kept.
#include "Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace platform::cp932 {

namespace {

constexpr uint32_t kLoneBase = 0xF700;  // stand-in of byte b is U+F700 + b, b in 0x80..0xFF

size_t utf8Len(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

// The code point of one UTF-8 character, or -1 when it is not well formed.
int32_t codePoint(const std::string& ch) {
  size_t n = utf8Len(static_cast<unsigned char>(ch[0]));
  if (n != ch.size()) return -1;
  if (n == 1) return static_cast<unsigned char>(ch[0]) < 0x80 ? ch[0] : -1;
  int32_t cp = static_cast<unsigned char>(ch[0]) & (0x7F >> n);
  for (size_t i = 1; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(ch[i]);
    if ((c & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (c & 0x3F);
  }
  return cp;
}

std::string utf8(uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

bool isLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
bool isKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// The two iconv conversions of one thread, opened on first use and closed with the thread.
struct Converters {
  iconv_t toCp932 = iconv_open("CP932", "UTF-8");
  iconv_t fromCp932 = iconv_open("UTF-8", "CP932");
  ~Converters() {
    for (iconv_t cd : {toCp932, fromCp932})
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
};

Converters& converters() {
  thread_local Converters c;
  return c;
}

// One conversion through iconv; empty when the input has no counterpart.
std::string convert(iconv_t cd, const std::string& in) {
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buf[16];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = buf;
  size_t dstLeft = sizeof buf;
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft) return {};
  return std::string(buf, sizeof buf - dstLeft);
}

std::string decodePair(unsigned char lead, unsigned char trail) {
  thread_local std::unordered_map<int, std::string> known;
  int key = lead << 8 | trail;
  auto it = known.find(key);
  if (it != known.end()) return it->second;
  std::string out = convert(converters().fromCp932, std::string{static_cast<char>(lead), static_cast<char>(trail)});
  return known[key] = out;
}

}  // namespace

// A sequence cut short is one invalid byte, and what follows it is kept.
size_t charLen(const std::string& s, size_t i) {
  size_t n = utf8Len(static_cast<unsigned char>(s[i]));
  if (i + n > s.size()) return 1;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  return n;
}

std::vector<std::string> splitChars(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    size_t n = charLen(s, i);
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

std::string encodeChar(const std::string& ch) {
  int32_t cp = codePoint(ch);
  if (cp < 0) return "?";
  if (cp < 0x80) return ch;
  if (cp >= 0xFF61 && cp <= 0xFF9F) return std::string(1, static_cast<char>(cp - 0xFF61 + 0xA1));
  if (cp >= static_cast<int32_t>(kLoneBase + 0x80) && cp <= static_cast<int32_t>(kLoneBase + 0xFF))
    return std::string(1, static_cast<char>(cp - kLoneBase));
  thread_local std::unordered_map<int32_t, std::string> known;
  auto it = known.find(cp);
  if (it != known.end()) return it->second;
  std::string b = convert(converters().toCp932, ch);
  if (b.size() != 2) b = "\x81\x48";  // "？"
  return known[cp] = b;
}

std::string encode(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    size_t n = charLen(s, i);
    out += encodeChar(s.substr(i, n));
    i += n;
  }
  return out;
}

std::string decode(const std::string& b) {
  std::string out;
  out.reserve(b.size() * 2);
  for (size_t i = 0; i < b.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(b[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (isKana(c)) {
      out += utf8(0xFF61 + (c - 0xA1));
    } else if (isLead(c) && i + 1 < b.size() && isTrail(static_cast<unsigned char>(b[i + 1]))) {
      std::string pair = decodePair(c, static_cast<unsigned char>(b[i + 1]));
      if (pair.empty()) {
        out += utf8(kLoneBase + c);
      } else {
        out += pair;
        ++i;
      }
    } else {
      out += utf8(kLoneBase + c);
    }
  }
  return out;
}

std::string sliceBytes(const std::string& s, size_t from, size_t count) {
  std::string out;
  size_t pos = 0, end = count > SIZE_MAX - from ? SIZE_MAX : from + count;
  for (const auto& ch : splitChars(s)) {
    if (pos >= end) break;
    std::string b = encodeChar(ch);
    size_t a = std::max(pos, from), z = std::min(pos + b.size(), end);
    if (a == pos && z == pos + b.size()) out += ch;
    else if (a < z) out += decode(b.substr(a - pos, z - a));
    pos += b.size();
  }
  return hasLoneBytes(out) ? decode(encode(out)) : out;
}

bool hasLoneBytes(const std::string& s) {
  return s.find("\xEF\x9E") != std::string::npos || s.find("\xEF\x9F") != std::string::npos;
}

std::string withoutLoneBytes(const std::string& s) {
  if (!hasLoneBytes(s)) return s;
  std::string out;
  for (const auto& ch : splitChars(s)) {
    int32_t cp = codePoint(ch);
    if (cp >= static_cast<int32_t>(kLoneBase + 0x80) && cp <= static_cast<int32_t>(kLoneBase + 0xFF)) continue;
    out += ch;
  }
  return out;
}

}  // namespace platform::cp932
