// Character-wise and cp932 byte-wise string functions over UTF-8 text.
// Byte-wise work runs on each character's cp932 bytes; see Cp932.h for bytes cut from a pair.
#include "platform/Strings.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>

#include "Cp932.h"

namespace platform {

namespace {

// A count or position argument as a whole number: rounded to nearest like every numeric
// argument of the lessons, clamped so that no later arithmetic can overflow.
int whole(double n) {
  if (!std::isfinite(n)) return n > 0 ? 1 << 30 : 0;
  return static_cast<int>(std::nearbyint(std::clamp(n, -1.0e9, 1.0e9)));
}

// The text with cut halves that meet joined, copied only when it has any.
class Joined {
 public:
  explicit Joined(const std::string& s) : text_(&s) {
    if (cp932::hasLoneBytes(s)) {
      own_ = cp932::decode(cp932::encode(s));
      text_ = &own_;
    }
  }
  const std::string& str() const { return *text_; }

 private:
  std::string own_;
  const std::string* text_;
};

// The byte offset n characters on from byte offset pos (the end if the text ends first).
size_t advance(const std::string& t, size_t pos, long n) {
  for (; n > 0 && pos < t.size(); --n) pos += cp932::charLen(t, pos);
  return pos;
}

int countChars(const std::string& t) {
  int n = 0;
  for (size_t pos = 0; pos < t.size(); pos += cp932::charLen(t, pos)) ++n;
  return n;
}

// The count characters from character from (0-based), without splitting the text.
std::string charSlice(const std::string& t, long from, long count) {
  size_t a = advance(t, 0, from);
  return t.substr(a, advance(t, a, count) - a);
}

}  // namespace

std::vector<std::string> chars(const std::string& s) { return cp932::splitChars(joinHalves(s)); }

int charBytes(const std::string& ch) {
  if (ch.empty()) return 0;
  return static_cast<int>(cp932::encodeChar(ch).size());
}

int kLen(const std::string& s) { return countChars(Joined(s).str()); }

std::string kMid(const std::string& s, double start, double n) {
  Joined t(s);
  long count = n < 0 ? LONG_MAX : whole(n);
  return charSlice(t.str(), std::max(1, whole(start)) - 1, count);
}

std::string kLeft(const std::string& s, double n) { return charSlice(Joined(s).str(), 0, whole(n)); }

std::string kRight(const std::string& s, double n) {
  Joined t(s);
  int len = countChars(t.str());
  int k = std::clamp(whole(n), 0, len);
  return charSlice(t.str(), len - k, k);
}

int kInstr(double start, const std::string& s, const std::string& find) {
  Joined t(s), f(find);
  const std::string& ts = t.str();
  const std::string& fs = f.str();
  int st = std::max(1, whole(start));
  if (st > countChars(ts)) return 0;
  if (fs.empty()) return st;
  // Whole characters only: the bytes agree from the start of a character of the text, and a
  // character of the text ends where they end.
  size_t pos = advance(ts, 0, st - 1);
  for (int at = st; pos < ts.size(); pos += cp932::charLen(ts, pos), ++at) {
    if (ts.compare(pos, fs.size(), fs) != 0) continue;
    size_t end = pos;
    while (end < pos + fs.size()) end += cp932::charLen(ts, end);
    if (end == pos + fs.size()) return at;
  }
  return 0;
}

std::string toCp932(const std::string& utf8) { return cp932::encode(utf8); }
std::string fromCp932(const std::string& bytes) { return cp932::decode(bytes); }

int bLen(const std::string& s) { return static_cast<int>(cp932::encode(s).size()); }

std::string bMid(const std::string& s, double start, double n) {
  size_t count = n < 0 ? SIZE_MAX : static_cast<size_t>(std::max(0, whole(n)));
  return cp932::sliceBytes(s, static_cast<size_t>(std::max(1, whole(start)) - 1), count);
}

std::string bLeft(const std::string& s, double n) { return cp932::sliceBytes(s, 0, static_cast<size_t>(std::max(0, whole(n)))); }

std::string bRight(const std::string& s, double n) {
  size_t len = cp932::encode(s).size();
  size_t k = std::min(len, static_cast<size_t>(std::max(0, whole(n))));
  return cp932::sliceBytes(s, len - k, k);
}

int bInstr(double start, const std::string& s, const std::string& find) {
  std::string b = cp932::encode(s);
  std::string f = cp932::encode(find);
  int st = std::max(1, whole(start));
  if (st > static_cast<int>(b.size())) return 0;
  size_t at = b.find(f, st - 1);
  return at == std::string::npos ? 0 : static_cast<int>(at + 1);
}

std::string joinHalves(const std::string& s) { return cp932::hasLoneBytes(s) ? cp932::decode(cp932::encode(s)) : s; }

int compareBytes(const std::string& a, const std::string& b) {
  int c = cp932::encode(a).compare(cp932::encode(b));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace platform
