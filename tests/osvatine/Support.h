// Running Osvatine for the tests: the whole program on a key script, or one menu, routine or
// screen called on it after start-up; the set-up and the log readers are the shared ones of support/.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "support/TextRows.h"

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

// Where the screen now on the page began: just after the last clearing of the whole page.
inline size_t ScreenStart(const Log& log) { return AfterLast(log, [](const Op& o) { return IsPageClear(o); }); }
// The item-1 sub-menu's choice line (its last choice).
inline bool IsChoiceLine(const Op& o) { return o.kind == OpKind::Text && o.text == "⑦"; }

// What the step ended by the last key wait drew: from the wait before it to that wait.
inline std::vector<Op> LastStep(const Log& log, const std::function<bool(const Op&)>& pick) {
  auto waits = IndexesOf(log, IsWaitBox);
  return waits.size() < 2 ? std::vector<Op>{} : OpsOf(log, pick, waits[waits.size() - 2] + 1, waits.back());
}

}  // namespace osvatine_test
