// Number input: the prompts that ask for a number, the "入力" field with its blinking cursor
// and echo, and the value of the typed text (a typed "a/b" is a divided by b).
#include "shell/Input.h"

#include <string>

#include "PageBoxes.h"
#include "platform/KeyCodes.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "shell/Prompt.h"

namespace shell {

using namespace platform;

namespace {

const std::string kEnter(1, keys::kEnter);
const std::string kBackspace(1, keys::kBackspace);
const std::string kDeleteKey(1, keys::kDelete);
constexpr int kMaxFieldChars = 9;  // one more is shown; the key after it empties the field

void cursorDisc(Program& P, int colour) {
  P.pf.circle(P.v.XX + 8, P.v.YY + 8, 4, colour, 0, 0, colour);
}

// Only "-", ".", "/" and the digits: the keys from "-" to "9" in byte order.
bool acceptedKey(const std::string& key) {
  return compareBytes(key, "-") >= 0 && compareBytes(key, "9") <= 0;
}

}  // namespace

void AskMenuNumber(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1268); v.CCC1 = 0; v.X = v.KAIX - 240; v.Y = v.KAIY; v.AA_s = "番号を入力して下さい。"; DrawPromptText(P);
  P.sl(1269); InputNumber(P); ParseNumberInput(P);
  P.sl(1270);
}

void ClearMenuPrompt(Program& P) {
  Routine r(P);
  const Vars& v = P.v;
  P.sl(1272); EraseBox(P, v.KAIX - 240, v.KAIY - 8, v.KAIX - 240 + 1056, v.KAIY - 8 + 50);
  P.sl(1273);
}

void AskChoiceAtFoot(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1275); v.CCC1 = 0; v.X = 16; v.Y = 666; DrawPromptText(P);
  P.sl(1276); InputNumber(P); ParseNumberInput(P);
  P.sl(1277);
}

void AskNextStep(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1294); v.DR = static_cast<float>(P.pf.drawWidth());
  P.sl(1295); P.pf.setDrawWidth(2);
  P.sl(1296); PromptBox(P, 96, 639, 400, 675, 12);
  P.sl(1297); v.CCC1 = 9; v.X = 128; v.Y = 648; v.AA_s = "次のステップは１を入力。"; DrawPromptText(P);
  P.sl(1298); InputNumber(P); ParseNumberInput(P);
  P.sl(1299); EraseBox(P, v.KAIX - 48, v.KAIY - 9, v.KAIX - 48 + 160, v.KAIY - 9 + 27);
  P.sl(1300); EraseBox(P, 96, 639, 400, 675);
  P.sl(1301); P.pf.setDrawWidth(clng(v.DR));
  P.sl(1302);
  // The text colour stays as the input left it (5 after an echo, else 0).
}

void InputNumber(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1305); v.XX = v.KAIX; v.YY = v.KAIY; v.X1 = v.X; v.Y1 = v.Y; v.AINP_s.clear();
  P.sl(1306); v.CCC1 = 0; v.X = v.XX - 48; v.Y = v.YY; v.AA_s = "入力"; DrawPromptText(P);
  P.sl(1307); ReadNumberKeys(P);
  P.sl(1308); EraseBox(P, v.KAIX - 48, v.KAIY - 8, v.KAIX - 48 + 240, v.KAIY - 8 + 30);
  P.sl(1309);
}

void ReadNumberKeys(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  for (;;) {
    // The cursor blinks at the pace of the polls: drawn before each, wiped after an empty one.
    P.sl(1311);
    cursorDisc(P, 5);
    v.I_s = P.pf.inkey();
    if (v.I_s.empty()) {
      cursorDisc(P, kPageColour);
      continue;
    }
    // Clearing comes before Enter: with the field full, even Enter only empties it.
    P.sl(1312);
    if (v.I_s == kBackspace || v.I_s == kDeleteKey || kLen(v.AINP_s) > kMaxFieldChars) {
      P.sl(1313); EraseBox(P, v.KAIX, v.KAIY - 8, v.KAIX + 192, v.KAIY - 8 + 30);
      P.sl(1314); v.AINP_s.clear(); v.XX = v.KAIX; v.YY = v.KAIY; v.I_s.clear();
      continue;
    }
    P.sl(1317);
    if (v.I_s == kEnter) {
      cursorDisc(P, kPageColour);
      return;
    }
    P.sl(1318);
    if (acceptedKey(v.I_s)) {
      P.sl(1319); cursorDisc(P, kPageColour);
      P.sl(1320); v.CCC1 = 5; v.A_s = v.I_s; v.X = v.XX; v.Y = v.YY; DrawTextAt(P); v.XX = v.XT; v.AINP_s += v.I_s;
    }
    P.sl(1322);
  }
}

void ParseNumberInput(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  P.sl(1326); v.LEM = static_cast<float>(kLen(v.AINP_s)); v.N = static_cast<float>(kInstr(1, v.AINP_s, "/"));
  P.sl(1327);
  if (v.N == 0) {
    v.AINP = val(v.AINP_s);
  } else {
    v.A_s = kLeft(v.AINP_s, v.N - 1);
    v.B_s = kRight(v.AINP_s, v.LEM - v.N);
    // A zero denominator ("4/", "/", "1/0") is no number, like an empty entry: every caller
    // then asks again instead of the lesson ending on the error screen.
    float denominator = val(v.B_s);
    v.AINP = denominator == 0 ? 0 : fdiv(val(v.A_s), denominator);
  }
  P.sl(1328);
}

}  // namespace shell
