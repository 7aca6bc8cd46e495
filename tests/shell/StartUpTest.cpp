// Start-up of the three programs: the values it hands to the main menu, the seed from the
// clock, the arrays and their bounds, and line numbers across routine calls.
#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "shell/Program.h"
#include "support/TestRun.h"

namespace shell {
namespace {

// A program run through its start-up alone, its main menu left out: the test sees what the
// start-up hands over, whatever the main menu then draws.
testsupport::TestRun startUp(const std::string& program, const std::string& time = "12:00:00") {
  testsupport::Setup s;
  s.program = program;
  s.time = time;
  s.mainMenu = false;
  return testsupport::Play(s);
}

TEST(StartUp, HandsItsStateToTheMainMenu) {
  struct Case {
    const char* program;
    const char* title;
    int pointBound;
  } cases[] = {{"lunevar", "Lunevar", 40}, {"pendrel", "Pendrel", 50}, {"osvatine", "Osvatine", 50}};
  for (const auto& c : cases) {
    auto r = startUp(c.program);
    const Vars& v = r.v;
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(v.TITLE_s, c.title);
    EXPECT_EQ(v.CCC1, 4);
    EXPECT_EQ(v.KAIX, 1056);
    EXPECT_EQ(v.KAIY, 648);
    EXPECT_EQ(v.SAIGO, 23);
    EXPECT_EQ(r.pf.drawWidth(), 3);
    EXPECT_EQ(r.pf.font(), (platform::Font{"ｺﾞｼｯｸ", 16, false, false}));
    EXPECT_EQ(v.X_a.bound(), c.pointBound) << c.program;
    EXPECT_EQ(v.Y_a.bound(), c.pointBound) << c.program;
  }
}

TEST(StartUp, ArraysRunFromZeroToTheirBound) {
  auto r = startUp("pendrel");
  Vars& v = r.v;
  v.X_a(50) = 1;
  v.Y_a(0) = 2;
  v.G_a(10, 2) = 3;
  v.TKAI_s_a(5, 2) = "x";
  v.T_a(80) = 4;
  v.SFU_a(23) = 5;
  EXPECT_EQ(v.X_a(50) + v.Y_a(0) + v.G_a(10, 2) + v.T_a(80) + v.SFU_a(23), 15);
  EXPECT_EQ(v.F_s_a(40), "");
  EXPECT_THROW(v.X_a(51), platform::RuntimeError);
  EXPECT_THROW(v.G_a(11, 0), platform::RuntimeError);
  EXPECT_THROW(v.G_a(0, 3), platform::RuntimeError);
  EXPECT_THROW(v.R_a(-1), platform::RuntimeError);
  try {
    startUp("lunevar").v.X_a(41);
    FAIL();
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.code, platform::SubscriptOutOfRange);
  }
}

TEST(StartUp, SeedIsHoursPlusMinutesPlusSeconds) {
  struct Case {
    const char* time;
    float seed;
  } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"12:34:56", 102}, {"07:08:09", 24}};
  for (const auto& c : cases) {
    auto r = startUp("osvatine", c.time);
    EXPECT_EQ(r.v.A, c.seed) << c.time;
  }
  // Starts whose times add up alike draw the same numbers.
  auto a = startUp("osvatine", "01:02:03");
  auto b = startUp("osvatine", "03:02:01");
  auto c = startUp("osvatine", "03:02:02");
  float fa = a.pf.rnd(), fb = b.pf.rnd(), fc = c.pf.rnd();
  EXPECT_EQ(fa, fb);
  EXPECT_NE(fa, fc);
  EXPECT_GE(fa, 0);
  EXPECT_LT(fa, 1);
}

TEST(StartUp, ReseedFromClockRepeatsTheSeed) {
  auto r = startUp("pendrel", "10:20:30");
  float first = r.pf.rnd();
  r.pf.rnd();
  r.v.A = 0;
  r.P.line = 500;
  ReseedFromClock(r.P);
  EXPECT_EQ(r.v.A, 60);
  EXPECT_EQ(r.pf.rnd(), first);
  EXPECT_EQ(r.P.line, 500) << "its return restores the caller's line";
}

void Inner(Program& P) {
  Routine r(P);
  P.sl(1200);
}

void Failing(Program& P) {
  Routine r(P);
  P.sl(1210);
  Inner(P);
  platform::raise(platform::Overflow);
}

TEST(LineNumbers, ReturnRestoresTheCallersLineAndAnErrorKeepsItsOwn) {
  struct Case {
    const char* program;
    int offset;
  } cases[] = {{"lunevar", 738}, {"pendrel", 0}, {"osvatine", -182}};
  for (const auto& c : cases) {
    auto r = startUp(c.program);
    Program& P = r.P;
    P.at(300);
    Inner(P);
    EXPECT_EQ(P.line, 300);
    try {
      Failing(P);
    } catch (const platform::RuntimeError&) {
    }
    EXPECT_EQ(P.line, 1210 + c.offset) << c.program;
  }
}

}  // namespace
}  // namespace shell
