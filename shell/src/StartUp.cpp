// Start-up of every program, the clock seed, the error screen and the screen loop.
#include <string>

#include "platform/Errors.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "shell/Program.h"

namespace shell {

using namespace platform;

namespace {

// hours + minutes + seconds of the clock text "hh:mm:ss".
float clockSeed(Program& P) {
  std::string t = P.pf.timeText();
  return val(bLeft(t, 2)) + val(bMid(t, 4, 2)) + val(bRight(t, 2));
}

// Line 14: the answer-box arrays and the figure marks' polygon.
void declareFirstArrays(Program& P) {
  Vars& v = P.v;
  v.F_s_a.dim(40); v.F_a.dim(40); v.T_s_a.dim(80); v.T_a.dim(80);
  v.SFU_a.dim(static_cast<int>(v.SAIGO)); v.TANI_s_a.dim(6); v.TKAI_s_a.dim(5, 2); v.KKAI_s_a.dim(10);
  v.XW_a.dim(5); v.YW_a.dim(5); v.G_a.dim(10, 2);
}

// Line 15: the point tables and the rest.
void declareSecondArrays(Program& P) {
  Vars& v = P.v;
  v.X_a.dim(P.info.pointBound); v.Y_a.dim(P.info.pointBound);
  v.R_a.dim(10); v.H_a.dim(10); v.HH_a.dim(10); v.X_s_a.dim(20); v.Y_s_a.dim(20);
  v.XX_a.dim(5); v.YY_a.dim(5); v.RAB_s_a.dim(10); v.RABM_s_a.dim(10); v.R1B_s_a.dim(10);
  v.U_a.dim(40); v.V_a.dim(40);
}

}  // namespace

void StartUp(Program& P) {
  Vars& v = P.v;
  P.at(2);  // the error trap: RunProgram catches every run-time error from here on
  P.at(4);
  P.at(5); P.pf.maximize();
  P.at(6); P.pf.setFontName("ｺﾞｼｯｸ");
  P.at(7); P.pf.setFontSize(16);
  P.at(8); P.pf.setDrawWidth(3);
  P.at(10); v.A = clockSeed(P); P.pf.randomize(clng(v.A));
  P.at(12); v.CCC1 = 4; v.KAIX = 1040; v.KAIY = 648;
  P.at(13); v.TITLE_s = P.info.title; v.SAIGO = 23;
  P.at(14); declareFirstArrays(P);
  P.at(15); declareSecondArrays(P);
  P.at(17);
  P.at(137); v.KAIX = 1056; v.KAIY = 648;
  P.at(139);
}

void ReseedFromClock(Program& P) {
  Routine r(P);
  P.at(19); P.v.A = clockSeed(P);
  P.at(20); P.pf.randomize(clng(P.v.A));
}

void ErrorHandler(Program& P, int errorLine, int errorCode) {
  Vars& v = P.v;
  P.sl(1366);
  P.sl(1367); P.pf.cls();
  P.sl(1368); v.A = static_cast<float>(errorLine); v.A_s = numToText(v.A); v.B = static_cast<float>(errorCode); v.B_s = numToText(v.B);
  P.sl(1369); P.pf.text(v.A_s + "," + v.B_s + "エラーが発生しました。マウスで×をクリックして下さい。", 288, 432, 1, 1, 13);
  P.sl(1370);
  for (;;) P.pf.idle();
}

int RunProgram(Program& P) {
  try {
    try {
      StartUp(P);
      Screen s = P.info.mainMenu;
      while (s.run) s = s.run(P);
      return 0;
    } catch (const RuntimeError& e) {
      ErrorHandler(P, P.line, e.code);
    }
  } catch (const ProgramExit& x) {
    return x.status;
  } catch (const RuntimeError&) {
    // An error on the error screen itself: nothing more can be shown.
    return 0;
  }
}

}  // namespace shell
