// Character-wise and cp932 byte-wise string functions over UTF-8 text.
// Byte-wise work converts to cp932 with iconv, operates on bytes, and converts back.
#include "platform/Strings.h"

#include <iconv.h>

#include <cmath>
#include <mutex>

namespace platform {

namespace {

size_t utf8Len(unsigned char c) {
  if (c < 0x80) return 1;
  if ((c & 0xE0) == 0xC0) return 2;
  if ((c & 0xF0) == 0xE0) return 3;
  if ((c & 0xF8) == 0xF0) return 4;
  return 1;
}

int whole(double n) {
  if (!std::isfinite(n)) return 0;
  return static_cast<int>(std::floor(n));
}

std::string convert(const char* to, const char* from, const std::string& in, bool lenient) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out;
  out.resize(in.size() * 4 + 8);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    if (r != static_cast<size_t>(-1)) break;
    // A character with no counterpart, or a stray byte: skip it (or mark it) and go on.
    size_t skip = 1;
    if (!lenient) {
      skip = utf8Len(static_cast<unsigned char>(*src));
      if (skip > srcLeft) skip = srcLeft;
      *dst++ = '?';
      --dstLeft;
    }
    src += skip;
    srcLeft -= skip;
  }
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::vector<std::string> chars(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    size_t n = utf8Len(static_cast<unsigned char>(s[i]));
    if (i + n > s.size()) n = s.size() - i;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

int charBytes(const std::string& ch) {
  if (ch.empty()) return 0;
  unsigned char c = static_cast<unsigned char>(ch[0]);
  if (c < 0x80) return 1;
  // Half-width katakana U+FF61..U+FF9F: EF BD A1..EF BD BF, EF BE 80..EF BE 9F.
  if (ch.size() >= 3 && c == 0xEF) {
    unsigned char c1 = static_cast<unsigned char>(ch[1]);
    unsigned char c2 = static_cast<unsigned char>(ch[2]);
    if ((c1 == 0xBD && c2 >= 0xA1) || (c1 == 0xBE && c2 <= 0x9F)) return 1;
  }
  return 2;
}

int kLen(const std::string& s) { return static_cast<int>(chars(s).size()); }

std::string kMid(const std::string& s, double start, double n) {
  auto cs = chars(s);
  int st = whole(start);
  if (st < 1) st = 1;
  int count = n < 0 ? static_cast<int>(cs.size()) : whole(n);
  std::string out;
  for (int i = st - 1; i < static_cast<int>(cs.size()) && i < st - 1 + count; ++i) out += cs[i];
  return out;
}

std::string kLeft(const std::string& s, double n) { return kMid(s, 1, n < 0 ? 0 : n); }

std::string kRight(const std::string& s, double n) {
  int len = kLen(s);
  int k = whole(n);
  if (k <= 0) return "";
  if (k >= len) return s;
  return kMid(s, len - k + 1, k);
}

int kInstr(double start, const std::string& s, const std::string& find) {
  auto cs = chars(s);
  auto fs = chars(find);
  int st = whole(start);
  if (st < 1) st = 1;
  if (fs.empty()) return st <= static_cast<int>(cs.size()) ? st : 0;
  for (size_t i = st - 1; i + fs.size() <= cs.size(); ++i) {
    bool ok = true;
    for (size_t j = 0; j < fs.size() && ok; ++j) ok = cs[i + j] == fs[j];
    if (ok) return static_cast<int>(i + 1);
  }
  return 0;
}

std::string toCp932(const std::string& utf8) { return convert("CP932", "UTF-8", utf8, false); }
std::string fromCp932(const std::string& bytes) { return convert("UTF-8", "CP932", bytes, true); }

int bLen(const std::string& s) { return static_cast<int>(toCp932(s).size()); }

std::string bMid(const std::string& s, double start, double n) {
  std::string b = toCp932(s);
  int st = whole(start);
  if (st < 1) st = 1;
  if (st > static_cast<int>(b.size())) return "";
  size_t count = n < 0 ? b.size() : static_cast<size_t>(std::max(0, whole(n)));
  return fromCp932(b.substr(st - 1, count));
}

std::string bLeft(const std::string& s, double n) { return bMid(s, 1, n < 0 ? 0 : n); }

std::string bRight(const std::string& s, double n) {
  std::string b = toCp932(s);
  int k = whole(n);
  if (k <= 0) return "";
  if (k >= static_cast<int>(b.size())) return s;
  return fromCp932(b.substr(b.size() - k));
}

int bInstr(double start, const std::string& s, const std::string& find) {
  std::string b = toCp932(s);
  std::string f = toCp932(find);
  int st = whole(start);
  if (st < 1) st = 1;
  if (st > static_cast<int>(b.size()) + 1) return 0;
  size_t at = b.find(f, st - 1);
  return at == std::string::npos ? 0 : static_cast<int>(at + 1);
}

int compareBytes(const std::string& a, const std::string& b) {
  std::string x = toCp932(a), y = toCp932(b);
  int c = x.compare(y);
  // std::string compares chars as unsigned via char_traits<char>::compare (memcmp semantics).
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace platform
