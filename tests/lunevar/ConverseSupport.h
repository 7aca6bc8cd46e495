// Playing item 6's screens for the tests: a choice at the item's sub-menu followed by a digit
// for every key wait (a wait too many or too few then shows at the sub-menu, where a digit is
// typed into the field), and the drawing log cut into the screen's steps at its key waits.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "lunevar/Support.h"
#include "platform/OpsJson.h"

namespace lunevar_test {

// From the main menu into item 6: its goal screen under the sub-menu.
inline const std::string kToConverse = "6{Enter}";

inline std::string Choose(int choice) { return std::to_string(choice) + "{Enter}"; }

inline bool IsWaitErase(const Op& o) { return IsFilledBox(o, 0, 657, 400, 693, 15); }
// The first circled number of the item's choice line, 16 right of where the line starts.
inline bool IsConverseChoiceLine(const Op& o) {
  return o.kind == OpKind::Text && o.text == "①" && Near(o.x1, 32) && Near(o.y1, 666);
}
// A character typed into the number field.
inline bool IsEcho(const Op& o) { return o.kind == OpKind::Text && o.colour == 5 && Near(o.y1, 648) && o.x1 >= 1056; }

// One screen of item 6, played from its sub-menu to the sub-menu's next question.
struct ScreenPlay {
  TestRun r;
  size_t start = 0;   // the screen's first operation
  size_t end = 0;     // the sub-menu's line, drawn again right after the screen
  std::vector<size_t> waits{};    // each key wait's box
  std::vector<size_t> resumes{};  // just after each key wait's box is erased again
  const Log& log() const { return r.log; }
  // The operations drawn after `key` keys of the screen and before the next wait (or the end).
  std::pair<size_t, size_t> step(size_t key) const {
    size_t from = key == 0 ? start : resumes[key - 1];
    size_t to = key < waits.size() ? waits[key] : end;
    return {from, to};
  }
  std::vector<Op> opsOfStep(size_t key, const std::function<bool(const Op&)>& pick) const {
    auto [from, to] = step(key);
    return OpsOf(log(), pick, from, to);
  }
  // All the screen's operations up to the sub-menu.
  std::vector<Op> ops(const std::function<bool(const Op&)>& pick) const { return OpsOf(log(), pick, start, end); }
};

// `before` is played first (by default item 6 entered from the main menu), then the choice and
// `waits` digits. Checks that the screen takes exactly that many keys and ends at the sub-menu.
inline ScreenPlay PlayChoice(int choice, int waits, const std::string& before = kToConverse) {
  ScreenPlay s{Play(before + Choose(choice) + Repeat("1", waits))};
  const Log& log = s.r.log;
  s.start = AfterLast(log, IsFootBandClear);
  auto lines = IndexesOf(log, IsConverseChoiceLine, s.start);
  EXPECT_EQ(lines.size(), 1u) << "choice " << choice << ": the sub-menu does not ask once after the screen";
  s.end = lines.empty() ? log.size() : lines.front();
  s.waits = IndexesOf(log, IsWaitBox, s.start, s.end);
  EXPECT_EQ(s.waits.size(), static_cast<size_t>(waits)) << "choice " << choice;
  EXPECT_TRUE(IndexesOf(log, IsEcho, s.end).empty()) << "choice " << choice << ": keys left over for the sub-menu";
  for (size_t w : s.waits) {
    auto erase = IndexesOf(log, IsWaitErase, w, s.end);
    EXPECT_FALSE(erase.empty());
    s.resumes.push_back(erase.empty() ? s.end : erase.front() + 1);
  }
  return s;
}

inline float Distance(float x1, float y1, float x2, float y2) { return std::hypot(x1 - x2, y1 - y2); }

}  // namespace lunevar_test
