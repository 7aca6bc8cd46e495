// Item 1's introductory figure, built in five steps with a key between them: the circle, the
// arc AB, the points, the inscribed angle with its definition, and last the central angle.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// The filled sector of the angle at `vertex` between B and A.
void sector(Program& P, int vertex, float fill) {
  kit::DrawAngleMark(P, {.vertex = vertex, .arm1 = 3, .arm2 = 2, .length = 50, .count = 0, .side = -1,
                         .line = 0, .fill = fill});
}

}  // namespace

void InscribedAngleIntro(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;

  // Step 1: the circle about O.
  kit::ClearWholePage(P);
  kit::GridPaper(P, 48, 200, 12, 12, 15, 30);
  P.pf.setDrawWidth(5);
  // Only O is given in grid units; A, B and P are placed from it in page units below.
  kit::GridPoint(P, 1, 6, 5);
  v.R1 = v.SIZE * 5;
  v.HH1 = 1.0f / 12; v.HH2 = 5.0f / 12;
  kit::PointAtRadians(P, 2, 1, v.R1, v.PI + v.PI / 6);
  kit::PointAtRadians(P, 3, 1, v.R1, -v.PI / 6);
  kit::PointAtRadians(P, 4, 1, v.R1, 4 * v.PI / 6);
  kit::DrawDot(P, 1, 3, 0);
  kit::DrawCircle(P, 1, v.R1, 0);
  kit::LetterAt(P, 1, -36, -45, "O", 0);
  shell::WaitAnyKey(P);

  // Step 2: the arc AB that does not hold P, and the points A and B.
  kit::DrawCircle(P, 1, v.R1, 3, v.HH1, v.HH2);
  kit::DrawDot(P, 2, 3, 0);
  kit::DrawDot(P, 3, 3, 0);
  kit::LabelVertex(P, 2, 3, 4, "A", 0, 8, -1);
  kit::LabelVertex(P, 3, 4, 2, "B", 0, 8, -1);
  shell::WaitAnyKey(P);

  // Step 3: the point P.
  kit::DrawDot(P, 4, 3, 3);
  kit::LabelVertex(P, 4, 3, 2, "P", 3, 20, 1);
  shell::WaitAnyKey(P);

  // Step 4: the chords PA and PB, the inscribed angle, and its definition.
  kit::DrawSegment(P, 2, 4, 0);
  kit::DrawSegment(P, 4, 3, 0);
  sector(P, 4, 5);
  kit::TextCursorAt(P, 40, 30);
  kit::TextOnNewLine(P, v.XI1, 0, "円Oで、", 0);
  P.pf.setDrawWidth(3);
  kit::ArcSignOverLetters(P);
  kit::TextOnLine(P, 0, "ABを除いた円周上に", 0);
  kit::TextOnNewLine(P, v.XI1, 50, "点Pをとるとき、", 0);
  kit::TextOnLine(P, 0, "∠APBを", 3);
  kit::TextOnNewLine(P, v.XI1, 60, "", 0);
  kit::ArcSignOverLetters(P);
  kit::TextOnLine(P, 0, "ABに対する", 0);
  kit::TextAtPen(P, "円周角", 5);
  kit::TextAtPen(P, "という。", 0);
  shell::WaitAnyKey(P);

  // Step 5: the radii OA and OB and the central angle.
  P.pf.setDrawWidth(5);
  kit::DrawSegment(P, 2, 1, 0);
  kit::DrawSegment(P, 1, 3, 0);
  sector(P, 1, 3);
}

}  // namespace lunevar
