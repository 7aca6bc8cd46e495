// The menu choice rule: only a whole number within the menu's items is a choice,
// whatever the typed text looks like.
#include <string>

#include "support/TestRun.h"
#include "shell/Input.h"
#include "shell/Menus.h"

namespace {

TEST(MenuChoice, OnlyAWholeNumberInRangeIsAChoice) {
  const std::pair<std::string, int> table[] = {
      {"1", 1}, {"8", 8}, {"4/2", 2}, {"8.0", 8}, {"16/2", 8}, {"9/3", 3}, {"-2/-1", 2}, {"3.", 3},
      {"2.5", 0}, {"8.5", 0}, {"0", 0}, {"9", 0}, {"", 0}, {"-1", 0}, {"1/0", 0}, {"1/3", 0}, {"-", 0},
      {"99999999", 0},
  };
  for (const auto& [typed, choice] : table) {
    testsupport::TestRun run;
    run.P.v.AINP_s = typed;
    shell::ParseNumberInput(run.P);
    EXPECT_EQ(shell::MenuChoice(run.P, 1, 8), choice) << "'" << typed << "'";
  }
}

}  // namespace
