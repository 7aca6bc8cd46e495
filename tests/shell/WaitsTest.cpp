// Key waits and foot banners (boxes, the key that ends them, what they give back), the
// clearing routines, and the small key and array helpers.
#include <string>
#include <vector>

#include "support/PagePixels.h"
#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "shell/Waits.h"

namespace {

using platform::OpKind;
using testsupport::BoxSeen;
using testsupport::Glyph;
using testsupport::PagePixels;
using testsupport::TestRun;

// A caller's state that the waits must hand back.
void callerState(TestRun& run) {
  run.P.v.CCC1 = 7;
  run.pf.setDrawWidth(5);
}

TEST(WaitAnyKey, PendingKeyEndsTheWaitAtOnce) {
  TestRun run("xy");
  callerState(run);
  shell::WaitAnyKey(run.P);
  auto& v = run.P.v;
  EXPECT_EQ(v.I_s, "x");
  EXPECT_EQ(run.device.remaining(), 1u) << "one key taken, no more";
  auto boxes = run.ops(OpKind::Box);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(testsupport::BoxOf(boxes[0]), (BoxSeen{96, 657, 400, 693, 13, 4, 3}));
  EXPECT_EQ(testsupport::BoxOf(boxes[1]), (BoxSeen{0, 657, 400, 693, 15, 15, 3}));
  auto t = run.texts();
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(Glyph(t[0].text, t[0].x1, t[0].y1), (Glyph{"何", 128, 666}));
  EXPECT_EQ(t[0].colour, 9);
  EXPECT_EQ(v.CCC1, 7);
  EXPECT_EQ(run.pf.drawWidth(), 5);
  EXPECT_EQ(v.CCC0, 7);
  EXPECT_EQ(v.DR, 5);
  EXPECT_EQ(v.X, 128 + 12 * 16);
  EXPECT_EQ(v.Y, 666);
  EXPECT_EQ(v.AA_s, "");
}

TEST(WaitAnyKey, WaitsThroughEmptyPolls) {
  TestRun run("{Idle}{Idle}{Enter}");
  shell::WaitAnyKey(run.P);
  EXPECT_EQ(run.P.v.I_s, "\r");
  EXPECT_EQ(run.device.remaining(), 0u);
}

TEST(WaitAnyKey, ErasesOnlyItsStrip) {
  TestRun run("k");
  callerState(run);
  // Marks in the foot band right of x 400 and below y 693, and one inside the strip.
  run.pf.fillBox(500, 660, 540, 690, 0, 0);
  run.pf.fillBox(100, 700, 140, 715, 0, 0);
  run.pf.fillBox(20, 665, 60, 685, 0, 0);
  shell::WaitAnyKey(run.P);
  PagePixels px(run.pf.page());
  for (auto [x, y] : {std::pair{40, 675}, {150, 675}, {300, 660}, {399, 690}}) EXPECT_TRUE(px.is(x, y, 15)) << x << "," << y;
  EXPECT_TRUE(px.is(520, 675, 0));
  EXPECT_TRUE(px.is(120, 708, 0));
}

TEST(ShowFootBannerAndWait, ShowsTheCallersTextThenClearsTheFootBand) {
  TestRun run("{Idle}{Up}");
  callerState(run);
  auto& v = run.P.v;
  v.AA_s = "矢印キーで移動";
  shell::ShowFootBannerAndWait(run.P);
  EXPECT_EQ(v.I_s, std::string(1, 30));
  auto boxes = run.ops(OpKind::Box);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(testsupport::BoxOf(boxes[0]), (BoxSeen{16, 657, 496, 693, 13, 4, 3}));
  EXPECT_EQ(testsupport::BoxOf(boxes[1]), (BoxSeen{0, 657, 992, 720, 15, 15, 3}));
  auto t = run.texts();
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(Glyph(t[0].text, t[0].x1, t[0].y1), (Glyph{"矢", 48, 666}));
  EXPECT_EQ(t[0].colour, 9);
  EXPECT_EQ(v.CCC1, 7);
  EXPECT_EQ(run.pf.drawWidth(), 5);
  EXPECT_EQ(v.AA_s, "");

  // Closing again erases the band again and gives back the same colour and width.
  v.CCC1 = 2;
  run.pf.setDrawWidth(1);
  run.log.clear();
  shell::CloseFootBanner(run.P);
  ASSERT_EQ(run.ops(OpKind::Box).size(), 1u);
  EXPECT_EQ(testsupport::BoxOf(run.ops(OpKind::Box)[0]), (BoxSeen{0, 657, 992, 720, 15, 15, 1}));
  EXPECT_EQ(v.CCC1, 7);
  EXPECT_EQ(run.pf.drawWidth(), 5);
}

struct ClearCase {
  void (*routine)(shell::Program&);
  BoxSeen box;
};

TEST(Clearing, ErasesItsAreaWithTheCallersWidthAndKeepsTheCallersState) {
  const ClearCase cases[] = {
      {shell::ClearFootBand, {0, 657, 992, 720, 15, 15, 5}},
      {shell::ClearWorkArea, {0, 54, 1440, 900, 15, 15, 5}},
  };
  for (const auto& c : cases) {
    TestRun run;
    callerState(run);
    run.P.v.X = 11; run.P.v.Y = 22;
    c.routine(run.P);
    ASSERT_EQ(run.ops(OpKind::Box).size(), 1u);
    EXPECT_EQ(testsupport::BoxOf(run.ops(OpKind::Box)[0]), c.box);
    EXPECT_EQ(run.P.v.CCC1, 7);
    EXPECT_EQ(run.pf.drawWidth(), 5);
    EXPECT_EQ(run.P.v.X, 11);
    EXPECT_EQ(run.P.v.Y, 22);
  }
}

TEST(Clearing, BandRightOfTheFieldRunsPastThePage) {
  TestRun run;
  shell::ClearBandRightOfField(run.P);
  ASSERT_EQ(run.ops(OpKind::Box).size(), 1u);
  EXPECT_EQ(testsupport::BoxOf(run.ops(OpKind::Box)[0]), (BoxSeen{1136, 576, 2576, 666, 15, 15, 3}));
  EXPECT_EQ(run.P.v.X, 1136);
  EXPECT_EQ(run.P.v.Y, 576);
}

TEST(ArraysToText, NumbersBecomeTextsWithoutTheLeadingBlank) {
  TestRun run;
  auto& v = run.P.v;
  v.T_a(1) = 30; v.T_a(2) = -2.5f; v.T_a(3) = 0.5f; v.T_a(80) = 5;
  v.F_a(1) = 7; v.F_a(40) = -12;
  v.T_s_a(0) = "kept"; v.F_s_a(0) = "also kept";
  shell::ArraysToText(run.P);
  EXPECT_EQ(v.T_s_a(1), "30");
  EXPECT_EQ(v.T_s_a(2), "-2.5");
  EXPECT_EQ(v.T_s_a(3), ".5");
  EXPECT_EQ(v.T_s_a(4), "0");
  EXPECT_EQ(v.T_s_a(80), "5");
  EXPECT_EQ(v.F_s_a(1), "7");
  EXPECT_EQ(v.F_s_a(40), "-12");
  EXPECT_EQ(v.T_s_a(0), "kept");
  EXPECT_EQ(v.F_s_a(0), "also kept");
  EXPECT_EQ(v.I, 41);
  EXPECT_EQ(v.A_s, "-12");
}

TEST(KeyToCommandNumber, MatchesTheTableExactly) {
  const std::pair<std::string, float> table[] = {
      {"Q", 1}, {"W", 2}, {"E", 3}, {"R", 4}, {"T", 5}, {"@", 6}, {"I", 7}, {"[", 8}, {"]", 9}, {"S", 10},
  };
  for (const auto& [key, number] : table) {
    TestRun run;
    run.P.v.I_s = key;
    shell::KeyToCommandNumber(run.P);
    EXPECT_EQ(run.P.v.FKIG, 1) << key;
    EXPECT_EQ(run.P.v.HHKIG, number) << key;
    EXPECT_EQ(run.P.v.I_s, key);
  }
  for (std::string key : {"s", "q", "", "QQ", "Ｓ", "\r"}) {
    TestRun run;
    run.P.v.I_s = key;
    run.P.v.FKIG = 1;
    run.P.v.HHKIG = 4;
    shell::KeyToCommandNumber(run.P);
    EXPECT_EQ(run.P.v.FKIG, 0) << key;
    EXPECT_EQ(run.P.v.HHKIG, 4) << key;
  }
}

TEST(DrainPendingKeys, DiscardsEveryPendingKeyAndNeverWaits) {
  for (std::string keys : {"{Idle}", "ab{Enter}{Idle}"}) {
    TestRun run(keys + "z");
    callerState(run);
    run.P.v.I_s = "q";
    shell::DrainPendingKeys(run.P);
    EXPECT_EQ(run.P.v.I_s, "") << keys;
    EXPECT_EQ(run.device.remaining(), 1u) << keys << ": stops at the first empty poll";
    EXPECT_TRUE(run.log.empty());
    EXPECT_EQ(run.P.v.CCC1, 7);
    EXPECT_EQ(run.pf.drawWidth(), 5);
  }
}

shell::Screen someMenu(shell::Program&) { return {}; }

TEST(BackToMainMenu, NamesTheMainMenuAsTheNextScreen) {
  TestRun run;
  run.P.info.mainMenu = shell::Screen{someMenu};
  EXPECT_EQ(shell::BackToMainMenu(run.P), shell::Screen{someMenu});
}

}  // namespace
