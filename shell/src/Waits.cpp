// The step wait and the foot banner (a box with a prompt, held until a key), and the
// erasing of the foot band, the lesson area and the band right of the number field.
#include "shell/Waits.h"

#include "PageBoxes.h"
#include "platform/Number.h"
#include "shell/Prompt.h"

namespace shell {

using namespace platform;

namespace {

// Takes keys off the queue until one comes; only I$ keeps it.
void waitForKey(Program& P) {
  do {
    P.v.I_s = P.pf.inkey();
  } while (P.v.I_s.empty());
}

// Both boxes draw in colour 9 with width 3 and give the caller's colour and width back.
void saveTextColourAndWidth(Program& P) {
  P.v.CCC0 = P.v.CCC1;
  P.v.DR = static_cast<float>(P.pf.drawWidth());
  P.pf.setDrawWidth(3);
}

void restoreTextColourAndWidth(Program& P) {
  P.v.CCC1 = P.v.CCC0;
  P.pf.setDrawWidth(clng(P.v.DR));
}

// Elements 1 to `last` as number texts without the blank before a non-negative number;
// the counter I is left one past `last`.
void numbersToTexts(Program& P, const Arr<float>& numbers, Arr<std::string>& texts, float last) {
  Vars& v = P.v;
  v.I = 1;
  do {
    v.A_s = numToText(numbers(v.I));
    StripBlanks(P);
    texts(v.I) = v.A_s;
    v.I = v.I + 1;
  } while (v.I <= last);
}

}  // namespace

void ShowFootBannerAndWait(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1283); saveTextColourAndWidth(P);
  P.sl(1284); PromptBox(P, 16, 657, 496, 693, 4);
  P.sl(1285); v.CCC1 = 9; v.X = 48; v.Y = 666; DrawPromptText(P);
  P.sl(1286); waitForKey(P);
  CloseFootBanner(P);
}

void CloseFootBanner(Program& P) {
  Routine r(P);
  P.sl(1288); EraseBox(P, 0, 657, 992, 720);
  P.sl(1289); restoreTextColourAndWidth(P);
  P.sl(1291);
}

void WaitAnyKey(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1331); saveTextColourAndWidth(P);
  P.sl(1332); PromptBox(P, 96, 657, 400, 693, 4);
  P.sl(1333); v.CCC1 = 9; v.X = 128; v.Y = 666; v.AA_s = "何かキーを押して下さい。"; DrawPromptText(P);
  P.sl(1334); waitForKey(P);
  P.sl(1335); EraseBox(P, 0, 657, 400, 693);
  P.sl(1336); restoreTextColourAndWidth(P);
  P.sl(1337);
}

void ClearFootBand(Program& P) {
  Routine r(P);
  P.sl(1279); EraseBox(P, 0, 657, 992, 720);
  P.sl(1280);
}

void ClearWorkArea(Program& P) {
  Routine r(P);
  P.sl(1341); EraseBox(P, 0, 54, 1440, 900);
}

void ClearBandRightOfField(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1342); v.X = v.KAIX + 80; v.Y = v.KAIY - 72; EraseBox(P, v.X, v.Y, v.X + 1440, v.Y + 90);
  P.sl(1343);
}

void ArraysToText(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1345); numbersToTexts(P, v.T_a, v.T_s_a, 80);
  P.sl(1348); numbersToTexts(P, v.F_a, v.F_s_a, 40);
  P.sl(1351);
}

void KeyToCommandNumber(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  struct CommandKey {
    const char* key;
    float number;
  };
  static const CommandKey kCommandKeys[] = {
      {"Q", 1}, {"W", 2}, {"E", 3}, {"R", 4}, {"T", 5}, {"@", 6}, {"I", 7}, {"[", 8}, {"]", 9}, {"S", 10},
  };
  P.sl(1353);
  for (const CommandKey& k : kCommandKeys) {
    if (v.I_s == k.key) {
      v.FKIG = 1;
      v.HHKIG = k.number;
      return;
    }
  }
  v.FKIG = 0;
}

void DrainPendingKeys(Program& P) {
  Routine r(P);
  P.sl(1373);
  do {
    P.v.I_s = P.pf.inkey();
  } while (!P.v.I_s.empty());
}

Screen BackToMainMenu(Program& P) {
  P.sl(1258);
  return P.info.mainMenu;
}

}  // namespace shell
