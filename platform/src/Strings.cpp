// Character-wise and cp932 byte-wise string functions over UTF-8 text.
// Byte-wise work runs on each character's cp932 bytes; see Cp932.h for bytes cut from a pair.
#include "platform/Strings.h"

#include <algorithm>
#include <cmath>
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

std::string join(const std::vector<std::string>& cs, int from, int count) {
  std::string out;
  int end = std::min(static_cast<int>(cs.size()), from + std::max(0, count));
  for (int i = std::max(0, from); i < end; ++i) out += cs[i];
  return out;
}

}  // namespace

std::vector<std::string> chars(const std::string& s) { return cp932::splitChars(joinHalves(s)); }

int charBytes(const std::string& ch) {
  if (ch.empty()) return 0;
  return static_cast<int>(cp932::encodeChar(ch).size());
}

int kLen(const std::string& s) { return static_cast<int>(chars(s).size()); }

std::string kMid(const std::string& s, double start, double n) {
  auto cs = chars(s);
  int count = n < 0 ? static_cast<int>(cs.size()) : whole(n);
  return join(cs, std::max(1, whole(start)) - 1, count);
}

std::string kLeft(const std::string& s, double n) { return join(chars(s), 0, whole(n)); }

std::string kRight(const std::string& s, double n) {
  auto cs = chars(s);
  int k = std::clamp(whole(n), 0, static_cast<int>(cs.size()));
  return join(cs, static_cast<int>(cs.size()) - k, k);
}

int kInstr(double start, const std::string& s, const std::string& find) {
  auto cs = chars(s);
  auto fs = chars(find);
  int st = std::max(1, whole(start));
  if (st > static_cast<int>(cs.size())) return 0;
  if (fs.empty()) return st;
  auto at = std::search(cs.begin() + (st - 1), cs.end(), fs.begin(), fs.end());
  return at == cs.end() ? 0 : static_cast<int>(at - cs.begin()) + 1;
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
