// The coordinate plane on grid paper: thin lines at every cell, bold numbered lines at every
// fifth, the axes with "x", "y" and "0"; it sets the globals that place values on the page.
#include <cmath>
#include <string>

#include "Counting.h"
#include "NumberText.h"
#include "geometry/Plane.h"
#include "platform/Number.h"
#include "platform/Strings.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

namespace {

void MakeScalePositive(float& scale) {
  if (scale == 0) scale = 1;
  else if (scale < 0) scale = std::fabs(scale);
}

// The number of a fifth line: empty at the origin and when numbers are switched off.
std::string FifthLineNumber(Program& P) {
  shell::Vars& v = P.v;
  if (v.II == 0 || v.NASI == -1) return "";
  return NumberWithoutBlanks(P, v.II);
}

void DrawFifthLineNumber(Program& P, float x, float y) {
  shell::Vars& v = P.v;
  v.CCC1 = 0;
  if (!v.AA_s.empty()) P.pf.text(v.AA_s, x, y, 2, 1, static_cast<int>(v.CCC1));
}

void DrawGridLines(Program& P) {
  shell::Vars& v = P.v;
  platform::Platform& pf = P.pf;
  CountUp(v.II, v.AA1, v.AA2, [&] {
    pf.setDrawWidth(1);
    float x = chk(v.GX0 + v.SIZE * v.II - 0.5f);
    pf.line(x, v.GY1, x, v.GY2, 0);
  });
  CountUp(v.II, v.BB1, v.BB2, [&] {
    float y = chk(v.GY0 - v.SIZE * v.II - 0.5f);
    pf.line(v.GX1, y, v.GX2, y, 0);
    pf.setDrawWidth(1);
  });
  // The bold lines lie half a unit right of (below) the thin line of the same index.
  CountUp(v.II, v.AA1, v.AA2, [&] {
    if (!OnFifthLine(v.II)) return;
    pf.setDrawWidth(3);
    float x = chk(v.GX0 + v.SIZE * v.II);
    pf.line(x, v.GY1, x, v.GY2, 1);
    v.AA_s = FifthLineNumber(P);
    DrawFifthLineNumber(P, x - platform::kLen(v.AA_s) * v.SIZE1 / 2, v.GY0);
  });
  CountUp(v.II, v.BB1, v.BB2, [&] {
    if (!OnFifthLine(v.II)) return;
    pf.setDrawWidth(3);
    float y = chk(v.GY0 - v.SIZE * v.II);
    pf.line(v.GX1, y, v.GX2, y, 1);
    v.AA_s = FifthLineNumber(P);
    DrawFifthLineNumber(P, v.GX0 - platform::kLen(v.AA_s) * v.SIZE1, y - v.SIZE1 / 2 - 4);
  });
}

}  // namespace

void DrawCoordinatePlane(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  platform::Platform& pf = P.pf;
  int entryWidth = pf.drawWidth();
  v.DR = static_cast<float>(entryWidth);
  MakeScalePositive(v.BAIX);
  MakeScalePositive(v.BAIY);
  v.AA1 = fdiv(v.AA1, v.BAIX);
  v.AA2 = fdiv(v.AA2, v.BAIX);
  v.BB1 = fdiv(v.BB1, v.BAIY);
  v.BB2 = fdiv(v.BB2, v.BAIY);
  if (v.GGX == 0 && v.GGY == 0) {
    v.GGX = 640;
    v.GGY = 180;
  }
  // The frame takes the magnitudes of the lower ends; the grid lines their signed values.
  v.GX0 = chk(v.GGX + v.SIZE * std::fabs(v.AA1));
  v.GY0 = chk(v.GGY + v.SIZE * v.BB2);
  v.GX1 = v.GGX;
  v.GY1 = v.GGY;
  v.GX2 = chk(v.GX0 + v.SIZE * v.AA2);
  v.GY2 = chk(v.GY0 + v.SIZE * std::fabs(v.BB1));
  v.SIZE1 = v.SIZE < 40 ? 26 : 30;
  pf.setFontSize(v.SIZE1);
  if (v.CCC2 != 0) DrawGridLines(P);

  pf.setDrawWidth(4);
  pf.line(v.GX0, v.GY1, v.GX0, v.GY2, 0);
  pf.setDrawWidth(4);
  pf.line(v.GX1, v.GY0, v.GX2, v.GY0, 0);

  pf.setFontBold(true);
  pf.setFontName("Times New Roman");
  pf.setFontSize(0.8f * v.SIZE1);
  pf.setFontItalic(true);
  v.CCC1 = 0;
  pf.text("x", v.GX2 - 0.8f * v.SIZE1, v.GY0 - 1.5f * v.SIZE1, 3, 2, 0);
  pf.setFontName("ゴシック");
  pf.setFontSize(v.SIZE1);
  pf.setFontItalic(false);
  v.AA_s = "0";
  pf.text(v.AA_s, v.GX0 - v.SIZE1, v.GY0, 2, 1, 0);
  v.AA_s = "y";
  v.X = v.GX0;
  v.Y = v.GY1 - v.SIZE1 / 2;
  pf.text(v.AA_s, v.X, v.Y, 2, 1, 0);

  pf.setFontBold(false);
  pf.setFontSize(16);
  pf.setDrawWidth(entryWidth);
  v.NASI = 0;
}

}  // namespace geometry
