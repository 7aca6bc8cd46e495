// Points, curves and vertical lines drawn on the coordinate plane, each with its label in the
// math text markup.
#include "Pen.h"
#include "geometry/Plane.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

namespace {

void ScaleZeroToOne(float& scale) {
  if (scale == 0) scale = 1;
}

// A scale of 0 counts as 1 (the workers read it so without writing it back).
float Scale(float scale) { return scale == 0 ? 1 : scale; }

float PageX(const shell::Vars& v, float x) { return chk(v.GX0 + fdiv(chk(v.SIZE * x), Scale(v.BAIX))); }
float PageY(const shell::Vars& v, float y) { return chk(v.GY0 - fdiv(chk(v.SIZE * y), Scale(v.BAIY))); }

void Dot(Program& P, float x, float y, float radius) {
  int colour = static_cast<int>(P.v.CCC3);
  P.pf.circle(x, y, radius, colour, 0, 0, platform::kFillLineColour);
}

// The label in CCC3 at the pen moved by the caller's shift; the shift is used up.
void Label(Program& P) {
  shell::Vars& v = P.v;
  v.CCC1 = v.CCC3;
  WriteAt(P, v.AAA_s, v.X + v.KASANARIX, v.Y + v.KASANARIY);
  v.KASANARIX = 0;
  v.KASANARIY = 0;
}

// y = AA/x for kind 1, AA*x^2 for kind 2, AA*x + BB for every other kind.
float CurveY(const shell::Vars& v, float x) {
  if (v.IROIRO == 1) return fdiv(v.AA, x);
  if (v.IROIRO == 2) return chk(v.AA * (x * x));
  return chk(v.AA * x + v.BB);
}

}  // namespace

void PlotPoint(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  ScaleZeroToOne(v.BAIX);
  ScaleZeroToOne(v.BAIY);
  v.GX = PageX(v, v.XG);
  v.GY = PageY(v, v.YG);
  Dot(P, v.GX, v.GY, v.R);
  v.X = v.GX - 20;
  v.Y = v.GY - 40;
  Label(P);
}

void PlotGraph(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  int entryWidth = P.pf.drawWidth();
  ScaleZeroToOne(v.BAIX);
  ScaleZeroToOne(v.BAIY);
  bool drawn = true;
  if (v.IROIRO == 4 && v.BB == 0) {
    // 0*x + 0*y = CC is no line at all: nothing to draw.
    drawn = v.AA != 0;
    if (drawn) {
      v.CC = fdiv(v.CC, v.AA);
      PlotVerticalLine(P);
    }
  } else if (v.IROIRO == 4) {
    v.AA = fdiv(-v.AA, v.BB);
    v.BB = fdiv(v.CC, v.BB);
    v.IROIRO = 3;
    PlotCurveDots(P);
  } else {
    PlotCurveDots(P);
  }
  if (drawn) Label(P);
  v.KASANARIX = 0;
  v.KASANARIY = 0;
  v.BAIX = 1;
  v.BAIY = 1;
  P.pf.setDrawWidth(entryWidth);
}

void PlotCurveDots(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  constexpr float kSteps = 5000;
  v.X1 = v.AA1;
  v.HABA = kSteps;
  // x = 0 is stepped over for every kind but the straight line, so AA/x is never taken at 0.
  bool skipZero = v.IROIRO != 3;
  if (skipZero && v.X1 == 0) v.X1 = v.X1 + 0.002f;
  v.Y1 = CurveY(v, v.X1);
  v.GX5 = v.X1;
  v.GY5 = v.Y1;
  v.P1 = fdiv(chk(v.AA2 - v.AA1), v.HABA);
  v.II = 0;
  do {
    v.GX = PageX(v, v.GX5);
    v.GY = PageY(v, v.GY5);
    if (v.GY1 <= v.GY && v.GY <= v.GY2) {
      v.X = v.GX;
      v.Y = v.GY;
      Dot(P, v.GX, v.GY, 1);
    }
    v.GX5 = chk(v.GX5 + v.P1);
    if (skipZero && v.GX5 == 0) v.GX5 = v.GX5 + v.P1;
    v.GY5 = CurveY(v, v.GX5);
    v.II = v.II + 1;
  } while (v.II <= kSteps);
}

void PlotVerticalLine(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  P.pf.setDrawWidth(5);
  float xp = PageX(v, v.CC);
  float top = PageY(v, v.BB2);
  P.pf.line(xp, PageY(v, v.BB1), xp, top, static_cast<int>(v.CCC3));
  v.X = xp + 10;
  v.Y = top;
}

}  // namespace geometry
