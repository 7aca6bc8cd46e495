// The page stays as short as what can be seen, whatever keys drive Lunevar's interactive figure:
// after 20,000 arrow keys in each pattern it keeps no more operations than after the first 1,000.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "Replay.h"

namespace {

std::string Repeat(const std::string& keys, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += keys;
  return s;
}

// Arrow keys from a fixed little generator, so the pattern is the same on every machine.
std::string RandomArrows(int n) {
  static const char* arrows[] = {"{Left}", "{Right}", "{Up}", "{Down}"};
  uint32_t x = 12345;
  std::string s;
  for (int i = 0; i < n; ++i) {
    x = x * 1664525u + 1013904223u;
    s += arrows[x >> 30];
  }
  return s;
}

size_t KeysIn(const std::string& script) {
  size_t n = 0;
  for (char c : script) n += c == '{';
  return n;
}

struct Pattern {
  const char* name;
  std::string lead;   // arrow keys that set the figure up
  std::string cycle;  // repeated until there are 20,000 arrow keys in all
};

const Pattern kPatterns[] = {
    {"LabelAtTheLeftEdge", Repeat("{Down}", 16) + Repeat("{Left}", 3), "{Right}{Left}"},
    {"EachPointHeldAllTheWayRound", "",
     Repeat("{Left}", 40) + Repeat("{Down}", 40) + Repeat("{Right}", 40) + Repeat("{Up}", 40)},
    {"PSteppedOnAndBackAtEveryPlaceOfB", "", Repeat("{Left}{Right}", 3) + "{Left}{Down}"},
    {"RandomArrows", "", RandomArrows(20000)},
};

void PrintTo(const Pattern& p, std::ostream* os) { *os << p.name; }

class ExplorerPage : public ::testing::TestWithParam<Pattern> {};

TEST_P(ExplorerPage, KeptOperationsDoNotGrowWithKeys) {
  const Pattern& p = GetParam();
  const size_t kArrows = 20000, kEarly = 1000;
  const std::string toExplorer = "1{Enter}aaaaa1{Enter}";  // 8 keys
  replay::Options o;
  o.program = "lunevar";
  o.keepLog = false;
  o.keys = toExplorer + p.lead;
  for (size_t n = KeysIn(p.lead); n < kArrows; n += KeysIn(p.cycle)) o.keys += p.cycle;
  size_t taken = 0, keptEarly = 0;
  o.onKeyTaken = [&](platform::Page& page) {
    if (++taken == 8 + kEarly) keptEarly = page.ops().size();
  };
  auto r = replay::Run(o);
  ASSERT_GE(taken, 8 + kArrows);
  EXPECT_LE(r.page().ops().size(), keptEarly);
}

INSTANTIATE_TEST_SUITE_P(Patterns, ExplorerPage, ::testing::ValuesIn(kPatterns),
                         [](const auto& c) { return std::string(c.param.name); });

}  // namespace
