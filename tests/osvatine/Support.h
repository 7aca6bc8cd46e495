// Running Osvatine for the tests: the whole program on a key script, or one menu, routine or
// screen called on it after start-up; the set-up and the log readers are the shared ones of support/.
#pragma once
#include <string>
#include <vector>

#include "support/OpsLog.h"
#include "support/TestRun.h"

namespace osvatine_test {

using namespace testsupport;

// Osvatine from start-up through its menus until the keys run out.
inline TestRun Play(const std::string& keys) { return testsupport::Play("osvatine", keys); }

// Osvatine after start-up, its log emptied, with the keys waiting: a menu, routine or screen is
// called on it directly and what it returns is checked.
struct Bare : TestRun {
  explicit Bare(const std::string& keys = "") : TestRun(keys, "osvatine") {}
  size_t keysLeft() const { return device.remaining(); }
};

// The texts drawn, one glyph per operation, joined in drawing order.
inline std::string TextOf(const Log& log, size_t from = 0, size_t to = SIZE_MAX) {
  std::string s;
  for (size_t i = from; i < log.size() && i < to; ++i)
    if (log[i].kind == OpKind::Text) s += log[i].text;
  return s;
}

}  // namespace osvatine_test
