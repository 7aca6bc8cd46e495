// The second problem set's pages for the tests: each page with the keys it waits for and the
// screen it names next, and running a whole answer page by page on a TestRun.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Support.h"
#include "pendrel/MasterLearning.h"
#include "pendrel/Pendrel.h"
#include "platform/OpsJson.h"

namespace pendrel_test {

struct Page {
  ScreenFn screen;
  int keys;  // key waits on the page
  ScreenFn next;
};

// Answer n (1 to 9): its pages in order, as the answers' key waits stand.
inline std::vector<Page> PagesOf(int answer) {
  using namespace pendrel;
  const ScreenFn menu = MasterLearningSubMenu;
  switch (answer) {
    case 1: return {{MasterAnswer1, 6, menu}};
    case 2: return {{MasterAnswer2, 5, MasterAnswer2Page2}, {MasterAnswer2Page2, 4, MasterAnswer2Page3},
                    {MasterAnswer2Page3, 6, menu}};
    case 3: return {{MasterAnswer3, 5, MasterAnswer3Page2}, {MasterAnswer3Page2, 6, MasterAnswer3Page3},
                    {MasterAnswer3Page3, 5, menu}};
    case 4: return {{MasterAnswer4, 4, menu}};
    case 5: return {{MasterAnswer5, 6, menu}};
    case 6: return {{MasterAnswer6, 5, menu}};
    case 7: return {{MasterAnswer7, 6, menu}};
    case 8: return {{MasterAnswer8, 12, menu}};
    case 9: return {{MasterAnswer9, 8, MasterAnswer9Page2}, {MasterAnswer9Page2, 8, menu}};
  }
  return {};
}

// Every page of answer n on its keys; what the last page names next (nothing if a page still
// waited or named another screen than the table).
inline std::optional<shell::Screen> ShowAnswer(TestRun& run, int answer) {
  std::optional<shell::Screen> next;
  for (const Page& p : PagesOf(answer)) {
    next = run.runScreen(p.screen, Repeat("k", p.keys));
    if (next != shell::Screen{p.next}) return std::nullopt;
  }
  return next;
}

// The first `keys` key waits of a page, then stop (the page still waits for the next key).
inline void ShowPageUpTo(TestRun& run, ScreenFn page, int keys) { run.runScreen(page, Repeat("k", keys)); }

// A point of the table where the figure put it (to a tenth of a page unit).
inline void ExpectPoint(TestRun& run, int i, float x, float y) {
  EXPECT_NEAR(run.v.X_a(i), x, 0.1) << "point " << i;
  EXPECT_NEAR(run.v.Y_a(i), y, 0.1) << "point " << i;
}

// Arcs and sectors (not whole circles) drawn about (x, y) with radius r, in drawing order.
inline Log ArcsAbout(const Log& log, float x, float y, float r, size_t from = 0) {
  return OpsOf(log, [&](const Op& o) { return IsCircleAt(o, x, y, r, 0.2f) && (o.start != 0 || o.end != 0); }, from);
}

// Where two logs first differ, as "op N: <one> | <other>"; empty when they are the same. Each
// starts with its page clear, drawn at the width the screen before left: that op's width is not
// compared (the page colour outlines nothing).
inline std::string FirstDifference(const Log& one, const Log& other) {
  for (size_t i = 0; i < one.size() || i < other.size(); ++i) {
    std::string a = i < one.size() ? platform::opToJson(one[i]) : "(none)";
    std::string b = i < other.size() ? platform::opToJson(other[i]) : "(none)";
    if (i == 0 && i < one.size() && i < other.size() && IsPageClear(one[i]) && IsPageClear(other[i])) continue;
    if (a != b) return "op " + std::to_string(i) + ": " + a + " | " + b;
  }
  return "";
}

}  // namespace pendrel_test
