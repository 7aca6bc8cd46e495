// Item 1's sub-menu: what each entry leads to. Only a whole number from 1 to 6 is a choice,
// chosen by its value; anything else asks again with no message.
#include <gtest/gtest.h>

#include "lunevar/InscribedAngles.h"
#include "lunevar/MainMenu.h"
#include "lunevar/ScreenLog.h"

namespace lunevar_test {
namespace {

using shell::Screen;

TEST(SubMenu, ActsOnlyOnAWholeNumberFromOneToSix) {
  using namespace lunevar;
  // No screen: the sub-menu still waited for a choice when the keys ran out.
  const std::optional<Screen> kAskAgain;
  struct Case { const char* entry; std::optional<Screen> next; };
  const Case cases[] = {
      {"1", Screen{OperateAngleFigure}},
      {"1.0", Screen{OperateAngleFigure}},
      {"2", Screen{AngleDisplayOptions}},
      {"4/2", Screen{AngleDisplayOptions}},  // its value chooses
      {"3", Screen{DiameterDisplayOption}},
      {"4", Screen{SeveralInscribedAngles}},
      {"5", Screen{TheoremSummary}},
      {"6", Screen{AnglesMainMenu}},
      {"12/2", Screen{AnglesMainMenu}},
      {"0", kAskAgain},
      {"7", kAskAgain},
      {"-1", kAskAgain},
      {"2.5", kAskAgain},
      {"", kAskAgain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("entry \"") + c.entry + "\"");
    TestRun run("", "lunevar");
    EXPECT_EQ(run.runScreen(InscribedAngleSubMenu, std::string(c.entry) + "{Enter}"), c.next);
    // Asking again is its choice line once more after the wipe, with nothing else: prompts show
    // their half-width characters full-width.
    std::string line = GlyphsAt(run.log, 666, 16, 992, AfterLast(run.log, IsFootBandClear));
    if (!c.next) EXPECT_EQ(line.rfind("①操作", 0), 0u) << line;
    else EXPECT_EQ(line, "");
  }
}

// Item 1 reaches its sub-menu on the goal screen's key and the four keys of the introduction, and
// takes no more of them.
TEST(SubMenu, FollowsTheGoalAndTheIntroductionOnTheirKeys) {
  TestRun run("", "lunevar");
  EXPECT_FALSE(run.runUntil({lunevar::InscribedAngleSubMenu}, "1{Enter}abcd"));
  TestRun full("", "lunevar");
  EXPECT_TRUE(full.runUntil({lunevar::InscribedAngleSubMenu}, kToSubMenu + "5{Enter}"));
  EXPECT_EQ(full.device.remaining(), 2u) << "the choice is left for the sub-menu";
  EXPECT_EQ(full.runScreen(lunevar::InscribedAngleSubMenu), Screen{lunevar::TheoremSummary});
}

}  // namespace
}  // namespace lunevar_test
