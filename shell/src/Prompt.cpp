// The prompt text path: prompts and typed keys drawn one bold glyph per 16-unit cell, with
// half-width characters shown in their full-width forms and "^" raising the next glyph.
#include "shell/Prompt.h"

#include "platform/Number.h"
#include "platform/Strings.h"

namespace shell {

using namespace platform;

namespace {

// The half-width string at position i is shown as the full-width twin's character i.
// "A" becomes the Greek alpha and "x" the Greek chi, as the lessons always showed them.
const char* const kHalf1 = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const char* const kFull1 = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const char* const kHalf2 = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const char* const kFull2 = "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

// Every entry of a half-width string is one byte, so the byte position of a one-byte
// character is its index there; a double-byte character is never found.
int halfWidthPosition(const std::string& table, const std::string& ch) {
  return charBytes(ch) == 1 ? kInstr(1, table, ch) : 0;
}

const std::string kFullStop = "．";

}  // namespace

void DrawPromptText(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  for (;;) {
    v.LEM = static_cast<float>(kLen(v.AA_s));
    if (v.LEM == 0) return;
    v.A_s = kLeft(v.AA_s, 1);
    v.AA_s = kRight(v.AA_s, v.LEM - 1);
    if (v.A_s == "^") {
      v.JYOU = 1;
      continue;
    }
    DrawTextAt(P);
    v.X = v.XT;
  }
}

void DrawTextAt(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  StripBlanks(P);
  v.LE = static_cast<float>(kLen(v.A_s));
  v.XT = v.X;
  P.pf.setFontBold(true);
  v.I = 1;
  // One pass even for an empty text: a blank on its own still takes its cell.
  do {
    v.B_s = kMid(v.A_s, v.I, 1);
    if (v.B_s == "^") {
      v.JYOU = 1;
    } else {
      if (v.JYOU == 1) {
        v.JYOU = 0;  // an exponent is drawn as written
      } else {
        ToFullWidthChar(P);
      }
      v.L = charBytes(v.B_s) == 1 ? 4 : 0;
      if (v.B_s == kFullStop) v.XT = v.XT - 4;
      P.pf.text(v.B_s, v.XT, v.Y - v.L, 1, 1, cint(v.CCC1));
      // The full stop sits between its neighbours and takes no cell of its own.
      if (v.B_s == kFullStop) v.XT = v.XT - 12;
      v.XT = v.XT + 16;
    }
    v.I = v.I + 1;
  } while (v.I <= v.LE);
}

void ToFullWidthChar(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  v.HENK1_s = kHalf1;
  v.HENK2_s = kFull1;
  v.HENK_s = kHalf2;
  v.HENK3_s = kFull2;
  v.N1 = static_cast<float>(halfWidthPosition(v.HENK1_s, v.B_s));
  if (v.N1 != 0) v.B_s = kMid(v.HENK2_s, v.N1, 1);
  v.N = static_cast<float>(halfWidthPosition(v.HENK_s, v.B_s));
  if (v.N != 0) v.B_s = kMid(v.HENK3_s, v.N, 1);
}

void StripBlanks(Program& P) {
  Routine r(P);
  Vars& v = P.v;
  // A half-width blank is never part of a double-byte character, in cp932 as in UTF-8,
  // so dropping it character by character is the same as dropping its bytes; X8$ is still
  // left holding the last byte looked at, as a byte-by-byte pass leaves it.
  v.X9_s.clear();
  v.X8_s.clear();
  v.KB8 = 0;
  for (const std::string& ch : chars(v.A_s)) {
    v.KB8 = v.KB8 + static_cast<float>(charBytes(ch));
    v.X8_s = bRight(ch, 1);
    if (ch != " ") v.X9_s += ch;
  }
  v.IB8 = (v.KB8 < 1 ? 1 : v.KB8) + 1;
  v.A_s = v.X9_s;
}

}  // namespace shell
