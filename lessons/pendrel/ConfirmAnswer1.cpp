// First set, answer 1: nine angles x, (1) to (7) worked in two text columns, (8) and (9) each
// on a circle with two inscribed triangles, their marks revealed one key at a time.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/ConfirmLearning.h"
#include "pendrel/FigureSteps.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

constexpr Opening kOpening{"P176 解答", "1", 30, 30 + 54, 20};

// Questions (1) to (7): number in 7, working in 0, answer in 5. (7) runs on into the second column.
constexpr TextPiece kLeftColumn[] = {
    AtNumbers(60, 7, "(1)"), SameLine(0, 0, "∠x="), SameLine(0, 5, "50%"), kKeyWait,
    AtNumbers(60, 7, "(2)"), SameLine(0, 0, "∠x=120%/2="), SameLine(0, 5, "60%"), kKeyWait,
    AtNumbers(60, 7, "(3)"), SameLine(0, 0, "∠x=90%*2="), SameLine(0, 5, "180%"), kKeyWait,
    AtNumbers(60, 7, "(4)"), SameLine(0, 0, "∠x=37%*2="), SameLine(0, 5, "74%"), kKeyWait,
    AtNumbers(60, 7, "(5)"), SameLine(0, 0, "∠x=100%/2-30%"),
    AtMargin(50, 0, "=50%-30%="), SameLine(0, 5, "20%"), kKeyWait,
    AtNumbers(60, 7, "(6)"), SameLine(0, 0, "∠x=360%-120%*2"),
    AtMargin(50, 0, "=360%-240%="), SameLine(0, 5, "120%"), kKeyWait,
    AtNumbers(60, 7, "(7)"), SameLine(0, 0, "△OABは二等辺三角形だから"),
    AtMargin(50, 0, "∠x=(180%-2*20%)/2"),
};

// The second column opens on its own top line (y 20), not a line below it.
constexpr TextPiece kSecondColumnTop[] = {
    AtMargin(0, 0, "=(180%-40%)/2"), AtMargin(50, 0, "=140%/2="), SameLine(0, 5, "70%"), kKeyWait,
    AtNumbers(60, 7, "(8)"),
};

// Entries of the point table: the centre O and A to D on the circle.
enum Point { O = 0, PA = 1, PB = 2, PC = 3, PD = 4 };

// Angle marks: vertex, arms, size, arcs, arm order, label colour, sector outline, arc colour, label.
// The third mark of each question, drawn a key after the first two.
constexpr kit::AngleMark kThird8{PD, PB, PC, 40, 1, 1, 3, 0, 3, "47%"};
constexpr kit::AngleMark kThird9{PB, PD, PA, 40, 1, 1, 3, 0, 3, "50%"};

// After the figure, one key each for the third mark, the right angle and the working.
constexpr TextPiece kSteps8[] = {
    kKeyWait, AngleMarkPiece<kThird8>,
    kKeyWait, CornerPiece<PD, PA, PC, 70, 7>,
    kKeyWait, SameLine(0, 0, "∠x"), AtMargin(50, 0, "=90%-47%="), SameLine(0, 5, "43%"),
    kKeyWait, AtNumbers(180, 7, "(9)"),  // level with its figure
};
constexpr TextPiece kSteps9[] = {
    kKeyWait, AngleMarkPiece<kThird9>,
    kKeyWait, CornerPiece<PA, PB, PD, 40, 7>,
    kKeyWait, SameLine(0, 0, "∠x"), AtMargin(50, 0, "=180%-90%-50%"), AtMargin(50, 5, "=40%"),
};

// Questions (8) and (9): each on circle O of radius 3 cells of 40, centred at grid point (4, 4)
// of an unseen 8 x 7 grid, with A to D on it, triangles ABD and ACD, the centre dot and "O".
// Shown with its first two angle marks; then its steps.
struct CircleQuestion {
  kit::OnCircle points[4];  // in the order they are computed
  bool chordBC;
  Letter letters[4];
  kit::AngleMark shown[2];
  std::span<const TextPiece> steps;
};

constexpr CircleQuestion kQuestion8{
    {{PA, 120}, {PC, 300}, {PB, 206}, {PD, 60}},
    false,
    {{"A", PA, -14, -50}, {"B", PB, -34, -25}, {"C", PC, 8, 0}, {"D", PD, 4, -25}},
    {{PA, PB, PC, 40, 1, 1, 3, 0, 3, "47%"}, {PD, PA, PB, 40, 1, 1, 5, 0, 3, "x"}},
    kSteps8,
};
constexpr CircleQuestion kQuestion9{
    {{PA, 100}, {PC, 260}, {PB, 180}, {PD, 0}},
    true,
    {{"A", PA, -14, -45}, {"B", PB, -34, -25}, {"C", PC, -14, 0}, {"D", PD, 4, -25}},
    {{PC, PD, PA, 40, 1, 1, 3, 0, 3, "50%"}, {PD, PA, PB, 40, 1, 1, 5, 0, 3, "x"}},
    kSteps9,
};

// The figure of one question, its grid's top at `top`, then its steps.
void drawCircleQuestion(Program& P, float top, const CircleQuestion& q) {
  auto& v = P.v;
  kit::GridPaper(P, 920, top, 8, 7, 15, 40);
  kit::GridPoint(P, O, 4, 4);
  v.R1 = v.SIZE * 3;
  kit::PointsAtCellsViaMABC(P, O, 3, q.points);
  kit::DrawCircle(P, O, v.R1, 0);
  PathViaABC(P, PA, PB, PD, kit::PathKind::Closed);
  PathViaABC(P, PA, PC, PD, kit::PathKind::Closed);
  v.A = O;
  kit::LetteredDot(P, O, 6, 0, -14, 10, "O", 0);
  if (q.chordBC) SegmentViaMN(P, PB, PC);
  DrawLetters(P, q.letters);
  for (const kit::AngleMark& m : q.shown) AngleMarkViaABC(P, m);
  DrawTextPieces(P, q.steps);
}

}  // namespace

Screen ConfirmAnswer1(Program& P) {
  OpenAnswerScreen(P, kOpening);
  shell::WaitAnyKey(P);
  DrawTextPieces(P, kLeftColumn);
  P.v.XI0 = 560;  // the second column's numbers, its working 54 right of them; XI2 stays
  kit::TextCursorAt(P, 560 + 54, 20);
  DrawTextPieces(P, kSecondColumnTop);
  drawCircleQuestion(P, 70, kQuestion8);
  drawCircleQuestion(P, P.v.GY2, kQuestion9);  // directly below the first figure
  return {ConfirmLearningSubMenu};
}

}  // namespace pendrel
