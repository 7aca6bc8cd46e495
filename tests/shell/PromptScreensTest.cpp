// The shell's prompts as the pupil sees them while a key is awaited: each scene is written
// as a PNG (for looking at) and its boxes are checked where the page shows them.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/PagePixels.h"
#include "support/TestRun.h"
#include "platform/Render.h"
#include "shell/Input.h"
#include "shell/Prompt.h"
#include "shell/Waits.h"

namespace {

using testsupport::PagePixels;
using testsupport::TestRun;

// Runs a scene on a lesson page and keeps the page as it stood when the last key was taken.
platform::Page pageAtLastKey(const std::string& keys, const std::function<void(shell::Program&)>& scene,
                             const std::string& name) {
  TestRun run(keys);
  std::optional<platform::Page> shot;
  run.device.onKeyTaken = [&shot](platform::Page& page) { shot = page; };
  run.pf.cls();
  run.pf.circle(700, 330, 200, 0);
  run.P.v.X = 64; run.P.v.Y = 80; run.P.v.AA_s = "円周角の定理"; run.P.v.CCC1 = 0;
  shell::DrawPromptText(run.P);
  scene(run.P);
  EXPECT_TRUE(shot.has_value()) << name;
  if (!shot) return {};
  std::filesystem::path dir = std::filesystem::path(LESSONS_BIN_DIR) / ".." / "shell_screens";
  std::filesystem::create_directories(dir);
  EXPECT_TRUE(platform::writePng(*shot, (dir / (name + ".png")).string())) << name;
  return *shot;
}

TEST(PromptScreens, KeyWaitBoxAtTheFoot) {
  auto page = pageAtLastKey("x", shell::WaitAnyKey, "wait_any_key");
  PagePixels px(page);
  EXPECT_TRUE(px.is(100, 690, 4)) << "box filled with colour 4";
  EXPECT_TRUE(px.is(96, 675, 13)) << "outline in colour 13";
  EXPECT_TRUE(px.is(90, 675, 15)) << "nothing left of the box";
}

TEST(PromptScreens, FootBanner) {
  auto page = pageAtLastKey("{Enter}", [](shell::Program& P) {
    P.v.AA_s = "Enter：終了　矢印キー：移動";
    shell::ShowFootBannerAndWait(P);
  }, "foot_banner");
  PagePixels px(page);
  EXPECT_TRUE(px.is(20, 690, 4));
  EXPECT_TRUE(px.is(496, 675, 13));
}

TEST(PromptScreens, MenuNumberWithATypedFraction) {
  auto page = pageAtLastKey("-1.5/2{Enter}", shell::AskMenuNumber, "ask_menu_number");
  PagePixels px(page);
  EXPECT_TRUE(px.is(1144, 656, 5)) << "the cursor after five cells: the point takes none";
}

TEST(PromptScreens, ChoiceLineAtTheFoot) {
  auto page = pageAtLastKey("2{Enter}", [](shell::Program& P) {
    P.v.AA_s = " ①操作　②角度表示　③直径表示　④複数表示　⑤まとめ　⑥終了";
    shell::AskChoiceAtFoot(P);
  }, "ask_choice_at_foot");
  PagePixels px(page);
  EXPECT_TRUE(px.is(1080, 656, 5)) << "the cursor after one character";
}

TEST(PromptScreens, NextStepQuestion) {
  auto page = pageAtLastKey("1{Enter}", shell::AskNextStep, "ask_next_step");
  PagePixels px(page);
  EXPECT_TRUE(px.is(100, 672, 12)) << "box filled with colour 12";
}

}  // namespace
