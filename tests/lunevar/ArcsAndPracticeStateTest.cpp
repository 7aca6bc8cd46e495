// Items 4 and 5 set every input their screens draw with: each screen draws the same after a tour
// of the other screens (the explorer of item 1 first) as it does on a fresh start.
#include <gtest/gtest.h>

#include <sstream>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

struct ScreenKeys {
  const char* name;
  const char* item;    // the main-menu number
  const char* choice;  // the sub-menu number
  int keys;            // the key waits of the screen
};
constexpr ScreenKeys kScreens[] = {
    {"equal-arcs task", "4", "1", 9}, {"statements", "4", "2", 7}, {"problem 3", "4", "3", 3},
    {"problem 4", "4", "4", 4},       {"bisector", "4", "5", 3},   {"answer (1)", "5", "1", 3},
    {"answer (2)", "5", "2", 2},      {"answer (4)", "5", "4", 2}, {"answer (3)", "5", "3", 3},
};

std::string Enter(const char* n) { return std::string(n) + "{Enter}"; }

// The screen's own keys, from its item's sub-menu; then back to the main menu.
std::string Visit(const ScreenKeys& s) {
  const char* leave = std::string(s.item) == "4" ? "6" : "5";
  return Enter(s.item) + Enter(s.choice) + Repeat("k", s.keys) + Enter(leave);
}

// What an operation draws, leaving out the pen width and the area it touches, which follow the
// draw width the page is cleared with (the previous screen's).
std::string Drawn(const Op& o) {
  std::ostringstream s;
  s << static_cast<int>(o.kind) << " " << o.x1 << "," << o.y1 << " " << o.x2 << "," << o.y2 << " r" << o.r << " "
    << o.start << "-" << o.end << " c" << o.colour << " f" << o.fill << " " << o.text << " " << o.h << "x" << o.v
    << " " << o.font.face << o.font.size << o.font.bold << o.font.italic;
  for (auto [x, y] : o.points) s << " " << x << "," << y;
  return s.str();
}

bool IsChoiceLine(const Op& o) {
  return o.kind == OpKind::Text && o.text == "①" && Near(o.y1, 666) && (Near(o.x1, 16) || Near(o.x1, 32));
}

// The operations of the screen at the end of the run: from its page clear to the choice line.
std::vector<std::string> LastScreen(const std::string& keys) {
  auto r = Play(keys);
  size_t begin = AfterLast(r.log, IsPageClear) - 1;
  auto lines = IndexesOf(r.log, IsChoiceLine, begin);
  EXPECT_FALSE(lines.empty());
  std::vector<std::string> out;
  for (size_t i = begin; i < (lines.empty() ? r.log.size() : lines.front()); ++i) out.push_back(Drawn(r.log[i]));
  return out;
}

TEST(ArcsAndPractice, EveryScreenDrawsTheSameAfterATourOfTheOthers) {
  for (const ScreenKeys& screen : kScreens) {
    SCOPED_TRACE(screen.name);
    std::string tour = kToExplorer + "{Left}{Down}{Enter}" + Enter("6");
    for (const ScreenKeys& other : kScreens)
      if (&other != &screen) tour += Visit(other);
    std::string here = Enter(screen.item) + Enter(screen.choice) + Repeat("k", screen.keys);
    auto fresh = LastScreen(here);
    auto afterTour = LastScreen(tour + here);
    ASSERT_GT(fresh.size(), 20u);
    ASSERT_EQ(afterTour.size(), fresh.size());
    for (size_t i = 0; i < fresh.size(); ++i) ASSERT_EQ(afterTour[i], fresh[i]) << "operation " << i;
  }
}

}  // namespace
}  // namespace lunevar_test
