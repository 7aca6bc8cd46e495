// The character layer of the math text renderer: substitutions, exponent and root marks,
// the signs drawn as lines, the placement rows of every other character and the root overline.
#include <string>
#include <utility>
#include <vector>

#include "mathtext/MathText.h"
#include "platform/Number.h"
#include "platform/Strings.h"
#include "Style.h"

namespace mathtext {

using platform::chk;
using shell::Vars;

namespace {

// Half-width markup drawn as a double-byte sign. A "√" written directly behaves as "!".
const std::pair<std::string, std::string> kSubstitutions[] = {
    {"%", "°"}, {"*", "×"}, {"/", "÷"}, {"@", "±"}, {"!", "√"},
};

using Points = std::vector<std::pair<float, float>>;

// Signs drawn as one polyline from the pen; they also start where the root overline begins.
struct LineSign {
  bool (*test)(const Vars&);
  int width;
  Points points;
  float advance;
  float rootAfter;  // HROOT afterwards; -1 leaves it
};

const LineSign kLineSigns[] = {
    // small radical (inside a fraction part)
    {[](const Vars& v) { return v.B_s == "√" && v.BUN == 1; }, 3,
     {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 26, 11},
    // radical
    {[](const Vars& v) { return v.B_s == "√"; }, 3, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 28, 1},
    // parallelogram sign, closed
    {[](const Vars& v) { return v.B_s == "&"; }, 5, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 36, -1},
};

struct Stroke {
  float x1, y1, x2, y2;
};

enum class Kind { Glyph, Strokes, Blank };

// One placement row: the first row whose test holds places the character.
struct PlacementRow {
  bool (*test)(const Vars&);
  Kind kind;
  FontSet font, fontAfter;  // set for the glyph, and set back right after it
  float dx, dy, h, v;       // glyph's top-left from the pen, magnification across and down
  std::vector<Stroke> strokes;
  float advance;
  float Vars::*clears;  // flag the row consumes, or none
};

bool isItalicLetter(const std::string& b) { return b == "a" || b == "x" || b == "c"; }
bool isOwnSign(const std::string& b) { return b == "×" || b == "÷" || b == "±"; }

const FontSet kKeep{};
const FontSet kSmall{nullptr, 8};
const FontSet kBackTo16{nullptr, 16};
const FontSet kSerifItalic{&kSerif, 8, -1, 1};
const FontSet kSerifBack{&kGothic, 16, -1, 0};

const PlacementRow kRows[] = {
    {[](const Vars& v) { return v.B_s == "."; }, Kind::Glyph, kKeep, kKeep, -3, 14, 3, 2, {}, 8, nullptr},
    {[](const Vars& v) { return v.B_s == "'" || v.B_s == "°"; }, Kind::Glyph, kKeep, kKeep, 0, 0, 3, 3, {}, 12, nullptr},
    {[](const Vars& v) { return v.KAKKO == 1 && v.B_s == "("; }, Kind::Glyph, kKeep, kKeep, -4, -6, 3, 4, {}, 27, nullptr},
    {[](const Vars& v) { return v.KAKKO == 1 && v.B_s == ")"; }, Kind::Glyph, kKeep, kKeep, 6, -6, 3, 4, {}, 27,
     &Vars::KAKKO},
    {[](const Vars& v) { return v.B_s == "="; }, Kind::Glyph, {nullptr, 14, 1}, kBackTo16, 4, 0, 3, 3, {}, 32, nullptr},
    {[](const Vars& v) { return v.JYOUK == 1; }, Kind::Glyph, kSmall, kBackTo16, 0, -10, 6, 3, {}, 24, &Vars::JYOUK},
    {[](const Vars& v) { return v.JYOU == 1 && v.BUN == 1; }, Kind::Glyph, kSmall, kBackTo16, 0, -4, 6, 3, {}, 24,
     &Vars::JYOU},
    {[](const Vars& v) { return v.JYOU == 1; }, Kind::Glyph, {nullptr, 16}, kKeep, 0, 0, 3, 2, {}, 24, &Vars::JYOU},
    {[](const Vars& v) { return isItalicLetter(v.B_s) && v.BUN == 1; }, Kind::Glyph, kSerifItalic, kSerifBack, 4, -16,
     12, 5, {}, 32, nullptr},
    {[](const Vars& v) { return isItalicLetter(v.B_s); }, Kind::Glyph, kSerifItalic, kSerifBack, 4, -22, 10, 7, {},
     27, nullptr},
    // Bold stays off after the script letter for the rest of the call.
    {[](const Vars& v) { return v.B_s == "l"; }, Kind::Glyph, {&kScript, 16, 1}, {&kGothic, 16, 0}, 0, 0, 6, 3, {},
     32, nullptr},
    {[](const Vars& v) { return v.B_s == "-" && v.BUN == 1; }, Kind::Strokes, kKeep, kKeep, 0, 0, 0, 0,
     {{6, 14, 26, 14}}, 32, nullptr},
    {[](const Vars& v) { return v.B_s == "+" && v.BUN == 1; }, Kind::Strokes, kKeep, kKeep, 0, 0, 0, 0,
     {{6, 14, 26, 14}, {16, 4, 16, 24}}, 32, nullptr},
    {[](const Vars& v) { return v.B_s == "-"; }, Kind::Strokes, kKeep, kKeep, 0, 0, 0, 0, {{4, 20, 23, 20}}, 27,
     nullptr},
    {[](const Vars& v) { return v.B_s == "+"; }, Kind::Strokes, kKeep, kKeep, 0, 0, 0, 0,
     {{4, 22, 23, 22}, {13, 10, 13, 34}}, 27, nullptr},
    {[](const Vars& v) { return isOwnSign(v.B_s) && v.BUN != 1; }, Kind::Glyph, kKeep, kKeep, -4, 0, 2, 3, {}, 27,
     nullptr},
    {[](const Vars& v) { return v.B_s == " "; }, Kind::Blank, kKeep, kKeep, 0, 0, 0, 0, {}, 27, nullptr},
    {[](const Vars& v) { return v.TA2 == 2 && v.BUN == 1; }, Kind::Glyph, {nullptr, 11}, kBackTo16, 0, 0, 3, 3, {},
     38, nullptr},
    {[](const Vars& v) { return v.TA2 == 2; }, Kind::Glyph, kKeep, kKeep, 0, 0, 2, 3, {}, 34, nullptr},
    {[](const Vars& v) { return v.BUN == 1; }, Kind::Glyph, kKeep, kKeep, 0, 0, 4, 2, {}, 32, nullptr},
    {[](const Vars&) { return true; }, Kind::Glyph, kKeep, kKeep, 0, 0, 3, 3, {}, 27, nullptr},
};

// Returns true when the character was a mark: it only changes the renderer's state.
bool takeMark(Vars& v) {
  if (v.B_s == "^") v.JYOU = 1;
  else if (v.B_s == "\\") v.JYOUK = 1;
  else if (v.B_s == "ﾝ") v.HROOT = 0;
  else return false;
  return true;
}

bool drawLineSign(Program& P) {
  Vars& v = P.v;
  for (const LineSign& s : kLineSigns) {
    if (!s.test(v)) continue;
    setWidth(P, s.width);
    Points pts;
    for (auto [dx, dy] : s.points) pts.emplace_back(chk(v.TX + dx), chk(v.TY + dy));
    P.pf.polyline(pts, colourOf(v.CCC1));
    setWidth(P, 3);
    v.TX = chk(v.TX + s.advance);
    v.TXM = v.TX;
    if (s.rootAfter >= 0) v.HROOT = s.rootAfter;
    return true;
  }
  return false;
}

void place(Program& P, const PlacementRow& row) {
  Vars& v = P.v;
  const int colour = colourOf(v.CCC1);
  switch (row.kind) {
    case Kind::Glyph:
      applyFont(P, row.font);
      P.pf.text(v.B_s, chk(v.TX + row.dx), chk(v.TY + row.dy), row.h, row.v, colour);
      applyFont(P, row.fontAfter);
      break;
    case Kind::Strokes:
      setWidth(P, 5);
      for (const Stroke& s : row.strokes)
        P.pf.line(chk(v.TX + s.x1), chk(v.TY + s.y1), chk(v.TX + s.x2), chk(v.TY + s.y2), colour);
      setWidth(P, 3);
      break;
    case Kind::Blank:
      break;
  }
  v.TX = chk(v.TX + row.advance);
  if (row.clears) v.*row.clears = 0;
}

// The overline of an open root runs from just after the root sign to the pen.
void extendOverline(Program& P) {
  Vars& v = P.v;
  float y;
  if (v.HROOT == 1) y = v.TY - 4;
  else if (v.HROOT == 11) y = v.TY - 6;
  else if (v.HROOT == 22 && v.BUN != 1) y = v.TY - 14;
  else {
    v.TXM = v.TX;
    return;
  }
  setWidth(P, 3);
  P.pf.line(v.TXM, y, v.TX, y, colourOf(v.CCC1));
  setWidth(P, 3);
}

}  // namespace

void DrawGlyphs(Program& P) {
  shell::Routine r(P);
  Vars& v = P.v;
  v.TX = v.X;
  v.TY = v.Y;
  v.DR = static_cast<float>(P.pf.drawWidth());
  v.R_s = v.A_s;
  v.NAG = static_cast<float>(platform::kLen(v.R_s));
  applyFont(P, {&kGothic, 16, 1});
  v.I = 1;
  // The first pass runs before the bound is tested: an empty text is one empty character.
  do {
    v.B_s = platform::kMid(v.R_s, v.I, 1);
    for (const auto& [from, to] : kSubstitutions)
      if (v.B_s == from) v.B_s = to;
    if (takeMark(v) || drawLineSign(P)) continue;
    v.TA2 = static_cast<float>(platform::charBytes(v.B_s));
    for (const PlacementRow& row : kRows) {
      if (!row.test(v)) continue;
      place(P, row);
      break;
    }
    extendOverline(P);
  } while ((v.I += 1) <= v.NAG);
  v.X = v.TX;
  v.Y = v.TY;
  P.pf.setFontBold(false);
  setWidth(P, v.DR);
}

}  // namespace mathtext
