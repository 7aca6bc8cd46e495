// Item 1's sub-menu: what each entry leads to. Only a whole number from 1 to 6 is a choice,
// chosen by its value; anything else asks again with no message.
#include <gtest/gtest.h>

#include "lunevar/Support.h"

namespace lunevar_test {
namespace {

enum class Next { AskAgain, Explorer, AngleOptions, DiameterOption, SeveralAngles, Summary, MainMenu };

bool IsFootBandClear(const Op& o) { return IsFilledBox(o, 0, 657, 992, 720, 15); }

// Where the entry led, read from what is drawn after the sub-menu wiped its line.
Next NextAfter(const std::string& entry) {
  auto r = Play(kToSubMenu + entry + "{Enter}");
  const Log& log = r.log;
  size_t read = AfterLast(log, IsFootBandClear);
  auto drawn = [&](bool (*pick)(const Op&)) { return !IndexesOf(log, pick, read).empty(); };
  if (drawn([](const Op& o) { return IsFilledBox(o, 22, 10, 1342, 610, 10); })) return Next::MainMenu;
  if (drawn([](const Op& o) { return IsFilledBox(o, 16, 657, 496, 693, 4); })) return Next::Explorer;
  if (drawn([](const Op& o) { return IsFilledBox(o, 544, 90, 1264, 650, 15); })) return Next::SeveralAngles;
  if (drawn([](const Op& o) { return IsFilledBox(o, 544, 0, 1364, 640, 15); })) return Next::Summary;
  // Prompts show their half-width characters full-width.
  std::string line = GlyphsAt(log, 666, 16, 992, read);
  if (line.rfind("表示（", 0) == 0) return Next::AngleOptions;
  if (line.rfind("表示…", 0) == 0) return Next::DiameterOption;
  EXPECT_EQ(line.rfind("①操作", 0), 0u) << "entry \"" << entry << "\"";
  return Next::AskAgain;
}

TEST(SubMenu, ActsOnlyOnAWholeNumberFromOneToSix) {
  struct Case { const char* entry; Next next; };
  const Case cases[] = {
      {"1", Next::Explorer},
      {"1.0", Next::Explorer},
      {"2", Next::AngleOptions},
      {"4/2", Next::AngleOptions},  // its value chooses
      {"3", Next::DiameterOption},
      {"4", Next::SeveralAngles},
      {"5", Next::Summary},
      {"6", Next::MainMenu},
      {"12/2", Next::MainMenu},
      {"0", Next::AskAgain},
      {"7", Next::AskAgain},
      {"-1", Next::AskAgain},
      {"2.5", Next::AskAgain},
      {"", Next::AskAgain},
  };
  for (const Case& c : cases) EXPECT_EQ(NextAfter(c.entry), c.next) << "entry \"" << c.entry << "\"";
}

}  // namespace
}  // namespace lunevar_test
