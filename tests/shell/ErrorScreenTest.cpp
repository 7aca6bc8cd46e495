// The error screen, reached through a main menu that raises an error at a known line: the
// cleared page, the exact text at its place in colour 13, the font in force, status 0.
#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/Number.h"
#include "shell/Program.h"
#include "support/TestRun.h"

namespace shell {
namespace {

struct Failure {
  int line;
  int code;
  bool setFont;
};

// The failure the next test menu raises (the menus are plain function pointers).
Failure next;

Screen FailingMenu(Program& P) {
  P.at(139);
  P.pf.text("menu", 10, 10, 1, 1, 0);
  P.pf.circle(200, 200, 50, 3);
  if (next.setFont) {
    P.pf.setFontName("Times New Roman");
    P.pf.setFontSize(8);
    P.pf.setFontItalic(true);
    P.pf.setFontBold(true);
  }
  P.at(next.line);
  platform::raise(next.code);
}

// A run whose main menu raises the next failure, with keys left over for the error screen.
testsupport::TestRun FailingRun(int lineOffset) {
  testsupport::Setup s;
  s.info = ProgramInfo{"Pendrel", 50, lineOffset, {FailingMenu}};
  s.keys = "12{Enter}";
  return testsupport::Play(s);
}

TEST(ErrorScreen, ShowsLineAndErrorNumbersInColour13) {
  struct Case {
    Failure failure;
    int offset;
    const char* text;
  } cases[] = {
      {{1327, 11, false}, 0, " 1327, 11エラーが発生しました。マウスで×をクリックして下さい。"},
      {{2065, 11, false}, 738, " 2065, 11エラーが発生しました。マウスで×をクリックして下さい。"},
      {{140, 6, true}, -182, " 140, 6エラーが発生しました。マウスで×をクリックして下さい。"},
      {{7, 9, false}, 0, " 7, 9エラーが発生しました。マウスで×をクリックして下さい。"},
  };
  for (const auto& c : cases) {
    next = c.failure;
    auto run = FailingRun(c.offset);
    EXPECT_EQ(run.status, 0) << "the run ends only when the window closes, cleanly";
    const auto& ops = run.pf.page().ops();
    ASSERT_EQ(ops.size(), 1u) << "the page holds nothing but the error text";
    const platform::Op& t = ops[0];
    EXPECT_EQ(t.kind, platform::OpKind::Text);
    EXPECT_EQ(t.text, c.text);
    EXPECT_EQ(t.x1, 288);
    EXPECT_EQ(t.y1, 432);
    EXPECT_EQ(t.h, 1);
    EXPECT_EQ(t.v, 1);
    EXPECT_EQ(t.colour, 13);
    EXPECT_EQ(run.log[run.log.size() - 2].kind, platform::OpKind::Cls);
    EXPECT_EQ(run.v.A, c.failure.line);
    EXPECT_EQ(run.v.B, c.failure.code);
    EXPECT_EQ(run.v.A_s, platform::numToText(static_cast<float>(c.failure.line)));
    EXPECT_EQ(run.device.remaining(), 3u) << "keys on the error screen are not taken";
  }
}

TEST(ErrorScreen, KeepsTheFontInForceWhenTheErrorWasRaised) {
  next = {500, 5, false};
  auto plain = FailingRun(0);
  EXPECT_EQ(plain.pf.page().ops()[0].font, (platform::Font{"ｺﾞｼｯｸ", 16, false, false}));
  EXPECT_EQ(plain.pf.drawWidth(), 3);
  next = {500, 5, true};
  auto renderer = FailingRun(0);
  EXPECT_EQ(renderer.pf.page().ops()[0].font, (platform::Font{"Times New Roman", 8, true, true}));
}

}  // namespace
}  // namespace shell
