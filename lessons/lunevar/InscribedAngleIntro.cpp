// Item 1's introductory figure, built in five steps with a key between them: the circle, the
// arc AB, the points, the inscribed angle with its definition, and last the central angle.
#include "figures/Marks.h"
#include "lunevar/FigurePoints.h"
#include "lunevar/Lunevar.h"
#include "lunevar/Screens.h"
#include "mathtext/MathText.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

void sector(Program& P, int vertex, float fill) {
  auto& v = P.v;
  SetAngleArms(P, vertex, 3, 2);
  v.CCC2 = 0; v.CCC3 = fill; v.NAGASA = 50; v.HONSU = 0; v.ITI = -1;
  figures::DrawAngleArcs(P);
}

// The arc sign over the two letters that the pen stands before.
void arcSignAtPen(Program& P) {
  auto& v = P.v;
  v.ZX0 = v.XI2; v.ZY0 = v.YI1; v.ZX1 = v.XI2 + 54; v.ZY1 = v.ZY0;
  v.CCC2 = 0; v.HOUKOU = -1; v.HABA = 1; v.TAKASA = -10;
  figures::DrawArcMark(P);
}

// One piece of the definition text at (x, y); the pen it leaves becomes the text cursor.
void piece(Program& P, float x, float y, const char* text, float colour) {
  auto& v = P.v;
  v.CCC1 = colour; v.X = x; v.Y = y; v.AA_s = text;
  mathtext::RenderMathText(P);
  v.YI1 = v.Y; v.XI2 = v.X;
}

// A piece that goes on where the one before ended.
void morePiece(Program& P, const char* text, float colour) {
  P.v.CCC1 = colour; P.v.AA_s = text;
  mathtext::RenderMathText(P);
}

}  // namespace

void InscribedAngleIntro(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  Lunevar& L = Lv(P);

  // Step 1: the circle about O.
  ClearWholePage(P);
  v.GGX = 48; v.GGY = 200; v.YOKO = 12; v.TATE = 12; v.CCC2 = 15; v.SIZE = 30;
  figures::DrawGrid(P);
  P.pf.setDrawWidth(5);
  // Only O is given in grid units; A, B and P are placed from it in page units below.
  v.X_a(1) = v.GX0 + v.SIZE * 6;
  v.Y_a(1) = v.GY0 - v.SIZE * 5;
  L.R1 = v.SIZE * 5;
  v.HH1 = 1.0f / 12; v.HH2 = 5.0f / 12;
  PointOnCircle(P, 2, v.PI + v.PI / 6);
  PointOnCircle(P, 3, -v.PI / 6);
  PointOnCircle(P, 4, 4 * v.PI / 6);
  DrawDot(P, 1, 3, 0);
  P.pf.circle(v.X_a(1), v.Y_a(1), L.R1, 0);
  v.X = v.X_a(1) - 36; v.Y = v.Y_a(1) - 45; v.CCC1 = 0; v.AA_s = "O";
  mathtext::RenderMathText(P);
  shell::WaitAnyKey(P);

  // Step 2: the arc AB that does not hold P, and the points A and B.
  P.pf.circle(v.X_a(1), v.Y_a(1), L.R1, 3, v.HH1, v.HH2);
  DrawDot(P, 2, 3, 0);
  DrawDot(P, 3, 3, 0);
  LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  LabelVertex(P, 3, 4, 2, "B", 0, 8, -1);
  shell::WaitAnyKey(P);

  // Step 3: the point P.
  DrawDot(P, 4, 3, 3);
  LabelVertex(P, 4, 3, 2, "P", 3, 20, 1);
  shell::WaitAnyKey(P);

  // Step 4: the chords PA and PB, the inscribed angle, and its definition.
  DrawSegment(P, 2, 4, 0);
  DrawSegment(P, 4, 3, 0);
  sector(P, 4, 5);
  v.XI1 = 40; v.YI1 = 30;
  piece(P, v.XI1, v.YI1, "円Oで、", 0);
  P.pf.setDrawWidth(3);
  arcSignAtPen(P);
  piece(P, v.XI2, v.YI1, "ABを除いた円周上に", 0);
  piece(P, v.XI1, v.YI1 + 50, "点Pをとるとき、", 0);
  piece(P, v.XI2, v.YI1, "∠APBを", 3);
  piece(P, v.XI1, v.YI1 + 60, "", 0);
  arcSignAtPen(P);
  piece(P, v.XI2, v.YI1, "ABに対する", 0);
  morePiece(P, "円周角", 5);
  morePiece(P, "という。", 0);
  shell::WaitAnyKey(P);

  // Step 5: the radii OA and OB and the central angle.
  P.pf.setDrawWidth(5);
  DrawSegment(P, 2, 1, 0);
  DrawSegment(P, 1, 3, 0);
  sector(P, 1, 3);
}

}  // namespace lunevar
