// A page with every figure mark on it, written as a PNG to look at: grid paper with a right
// triangle, a circle with inscribed and central angles and arc signs, a parallelogram.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "figures/Marks.h"
#include "mathtext/MathText.h"
#include "platform/Render.h"
#include "support/TestRun.h"

namespace figures_test {

using platform::Op;
using platform::OpKind;
using testsupport::TestRun;

namespace {

void Angle(shell::Vars& v, float x0, float y0, float x1, float y1, float x2, float y2) {
  v.ZX0 = x0; v.ZY0 = y0; v.ZX1 = x1; v.ZY1 = y1; v.ZX2 = x2; v.ZY2 = y2;
}

// A point's letter just outside a circle of centre (cx, cy): both arms point away from it.
void LetterOutside(TestRun& m, const char* letter, float x, float y, float cx, float cy) {
  Angle(m.v, x, y, 2 * x - cx, 2 * y - cy, 2 * x - cx, 2 * y - cy);
  m.v.AAA_s = letter; m.v.NAGASA = 8; m.v.CCC1 = 0;
  figures::PlaceVertexLabel(m.P);
}

void Text(TestRun& m, const std::string& s, float x, float y) {
  m.v.AA_s = s; m.v.X = x; m.v.Y = y; m.v.CCC1 = 0;
  mathtext::RenderMathText(m.P);
}

// Grid paper with a right triangle ABC, its corner mark and equal halves of the hypotenuse.
void TriangleOnGrid(TestRun& m) {
  shell::Vars& v = m.v;
  v.GGX = 40; v.GGY = 90; v.YOKO = 13; v.TATE = 11; v.SIZE = 30; v.CCC2 = 8;
  figures::DrawGrid(m.P);
  const float pts[3][2] = {{2, 2}, {11, 2}, {2, 9}};  // counter-clockwise as seen
  for (int i = 0; i < 3; ++i) {
    v.G_a(i + 1, 1) = v.GX0 + v.SIZE * pts[i][0];
    v.G_a(i + 1, 2) = v.GY0 - v.SIZE * pts[i][1];
  }
  v.KAKU = 3; v.SIZE1 = 5; v.CCC2 = 0; v.CCC1 = 0; v.NAGASA = 10; v.AAA_s = "A";
  figures::DrawPolygon(m.P);
  m.pf.setDrawWidth(3);
  Angle(v, v.G_a(1, 1), v.G_a(1, 2), v.G_a(2, 1), v.G_a(2, 2), v.G_a(3, 1), v.G_a(3, 2));
  v.NAGASA = 24; v.CCC2 = 2;
  figures::DrawCornerMark(m.P);
  float mx = (v.G_a(2, 1) + v.G_a(3, 1)) / 2, my = (v.G_a(2, 2) + v.G_a(3, 2)) / 2;
  for (int half = 0; half < 2; ++half) {
    v.AX = v.G_a(2 + half, 1); v.AY = v.G_a(2 + half, 2); v.BX = mx; v.BY = my;
    v.HONSU = 2; v.NAGASA = 12; v.AIDA = 8; v.ITI = -8; v.CCC2 = 2;
    figures::DrawEqualLengthTicks(m.P);
  }
  Angle(v, v.G_a(2, 1), v.G_a(2, 2), v.G_a(3, 1), v.G_a(3, 2), v.G_a(1, 1), v.G_a(1, 2));
  v.HONSU = 2; v.NAGASA = 48; v.CCC3 = 1; v.AAA_s = "●"; v.CCC1 = 1;
  figures::DrawAngleArcs(m.P);
}

// The inscribed angle at A on the arc BC and the central angle at O, with arc signs on chords.
void CircleAngles(TestRun& m) {
  shell::Vars& v = m.v;
  const float cx = 720, cy = 390, r = 210, pi = 3.14159f;
  m.pf.setDrawWidth(3);
  m.pf.circle(cx, cy, r, 0);
  auto at = [&](float deg, float& x, float& y) {
    x = cx + r * std::cos(deg * pi / 180);
    y = cy - r * std::sin(deg * pi / 180);
  };
  float ax, ay, bx, by, qx, qy;
  at(120, ax, ay); at(206, bx, by); at(300, qx, qy);
  m.pf.line(ax, ay, bx, by, 0);
  m.pf.line(ax, ay, qx, qy, 0);
  m.pf.line(cx, cy, bx, by, 0);
  m.pf.line(cx, cy, qx, qy, 0);
  Angle(v, cx, cy, bx, by, qx, qy);
  v.HONSU = 0; v.NAGASA = 40; v.CCC2 = 2; v.CCC3 = 14; v.AAA_s = "94%"; v.CCC1 = 2;
  figures::DrawAngleArcs(m.P);
  Angle(v, ax, ay, bx, by, qx, qy);
  v.HONSU = 1; v.NAGASA = 60; v.CCC3 = 1; v.AAA_s = "47%"; v.CCC1 = 1;
  figures::DrawAngleArcs(m.P);
  LetterOutside(m, "A", ax, ay, cx, cy);
  LetterOutside(m, "B", bx, by, cx, cy);
  LetterOutside(m, "C", qx, qy, cx, cy);
  Angle(v, cx, cy, cx + 100, cy - 100, cx + 100, cy - 100);
  v.AAA_s = "O"; v.NAGASA = 4; v.CCC1 = 0;
  figures::PlaceVertexLabel(m.P);
  m.pf.circle(cx, cy, 3, 0, 0, 0, platform::kFillLineColour);
  // Dotted signs with the chords' lengths, bulging out of the triangle.
  v.ZX0 = bx; v.ZY0 = by; v.ZX1 = ax; v.ZY1 = ay;
  v.TAKASA = 20; v.HOUKOU = -1; v.HABA = 5; v.CCC2 = 5; v.AAA_s = "a"; v.CCC1 = 5;
  figures::DrawArcMark(m.P);
  v.ZX0 = ax; v.ZY0 = ay; v.ZX1 = qx; v.ZY1 = qy;
  v.TAKASA = 40; v.HOUKOU = -1; v.HABA = 3; v.CCC2 = 5; v.AAA_s = "7cm"; v.CCC1 = 5;
  figures::DrawArcMark(m.P);
  // Running text with the sign over the arc's two letters.
  Text(m, "弧", 560, 660);
  float x = v.X;
  m.pf.setDrawWidth(3);
  v.ZX0 = x; v.ZY0 = 660; v.ZX1 = x + 54; v.ZY1 = 660;
  v.TAKASA = -10; v.HOUKOU = -1; v.HABA = 1; v.CCC2 = 0;
  figures::DrawArcMark(m.P);
  Text(m, "BCに対する円周角は47%", x, 660);
}

// A parallelogram PQRS named from a list, with parallel marks on both pairs of sides.
void Parallelogram(TestRun& m) {
  shell::Vars& v = m.v;
  const float pts[4][2] = {{1040, 520}, {1340, 520}, {1400, 280}, {1100, 280}};
  const char* names[4] = {"P", "Q", "R", "S"};
  for (int i = 0; i < 4; ++i) {
    v.G_a(i + 1, 1) = pts[i][0];
    v.G_a(i + 1, 2) = pts[i][1];
    v.X_s_a(i + 1) = names[i];
  }
  v.KAKU = 4; v.SIZE1 = 5; v.CCC2 = 0; v.CCC1 = 0; v.NAGASA = 10; v.AAA_s = "1";
  figures::DrawPolygon(m.P);
  m.pf.setDrawWidth(3);
  struct Side { int from, to; float honsu; };
  for (Side s : {Side{1, 2, 1}, Side{4, 3, 1}, Side{1, 4, 2}, Side{2, 3, 2}}) {
    v.AX = v.G_a(s.from, 1); v.AY = v.G_a(s.from, 2); v.BX = v.G_a(s.to, 1); v.BY = v.G_a(s.to, 2);
    v.A = 1; v.B = 1; v.HONSU = s.honsu; v.NAGASA = 20; v.CCC2 = 0;
    figures::DrawParallelMarks(m.P);
  }
  Angle(v, v.G_a(1, 1), v.G_a(1, 2), v.G_a(2, 1), v.G_a(2, 2), v.G_a(4, 1), v.G_a(4, 2));
  v.HONSU = 3; v.NAGASA = 50; v.CCC3 = 2; v.AAA_s = "x"; v.CCC1 = 2;
  figures::DrawAngleArcs(m.P);
  Angle(v, v.G_a(3, 1), v.G_a(3, 2), v.G_a(4, 1), v.G_a(4, 2), v.G_a(2, 1), v.G_a(2, 2));
  v.HONSU = 3; v.NAGASA = 50; v.CCC3 = 2; v.AAA_s = "x"; v.CCC1 = 2;
  figures::DrawAngleArcs(m.P);
}

TEST(FigurePage, EveryMarkOnOnePage) {
  TestRun m;
  TriangleOnGrid(m);
  CircleAngles(m);
  Parallelogram(m);
  std::string path = std::string(LESSONS_BIN_DIR) + "/../figures-page.png";
  ASSERT_TRUE(platform::writePng(m.pf.page(), path)) << path;
}

}  // namespace
}  // namespace figures_test
