// First set, answer 1: nine angles x, (1) to (7) worked in two text columns, (8) and (9) each
// on a circle with two inscribed triangles, their marks revealed one key at a time.
#include "kit/Figures.h"
#include "pendrel/AnswerScreen.h"
#include "pendrel/ConfirmLearning.h"
#include "shell/Waits.h"

namespace pendrel {

namespace {

using enum At;

constexpr Opening kOpening{"P176 解答", "1", 30, 30 + 54, 20};

// Questions (1) to (7): number in 7, working in 0, answer in 5. (7) runs on into the second column.
constexpr Piece kLeftColumn[] = {
    {"(1)", Number, 60, 7}, {"∠x=", SameLine, 0, 0}, {"50%", SameLine, 0, 5}, kWait,
    {"(2)", Number, 60, 7}, {"∠x=120%/2=", SameLine, 0, 0}, {"60%", SameLine, 0, 5}, kWait,
    {"(3)", Number, 60, 7}, {"∠x=90%*2=", SameLine, 0, 0}, {"180%", SameLine, 0, 5}, kWait,
    {"(4)", Number, 60, 7}, {"∠x=37%*2=", SameLine, 0, 0}, {"74%", SameLine, 0, 5}, kWait,
    {"(5)", Number, 60, 7}, {"∠x=100%/2-30%", SameLine, 0, 0},
    {"=50%-30%=", Working, 50, 0}, {"20%", SameLine, 0, 5}, kWait,
    {"(6)", Number, 60, 7}, {"∠x=360%-120%*2", SameLine, 0, 0},
    {"=360%-240%=", Working, 50, 0}, {"120%", SameLine, 0, 5}, kWait,
    {"(7)", Number, 60, 7}, {"△OABは二等辺三角形だから", SameLine, 0, 0},
    {"∠x=(180%-2*20%)/2", Working, 50, 0},
};

// The second column opens on its own top line (y 20), not a line below it.
constexpr Piece kSecondColumnTop[] = {
    {"=(180%-40%)/2", Working, 0, 0}, {"=140%/2=", Working, 50, 0}, {"70%", SameLine, 0, 5}, kWait,
    {"(8)", Number, 60, 7},
};

constexpr Piece kAnswer8[] = {
    {"∠x", SameLine, 0, 0}, {"=90%-47%=", Working, 50, 0}, {"43%", SameLine, 0, 5}, kWait,
    {"(9)", Number, 180, 7},  // level with its figure
};

constexpr Piece kAnswer9[] = {
    {"∠x", SameLine, 0, 0}, {"=180%-90%-50%", Working, 50, 0}, {"=40%", Working, 50, 5},
};

// Entries of the point table: the centre O and A to D on the circle.
enum Point { O = 0, PA = 1, PB = 2, PC = 3, PD = 4 };

// Where a point stands on the circle: entry and degrees.
struct Placement {
  Point point;
  float degrees;
};

// Questions (8) and (9): each on circle O of radius 3 cells of 40, centred at grid point (4, 4)
// of an unseen 8 x 7 grid, with A to D on it, triangles ABD and ACD, the centre dot and "O".
// Shown with its first two angle marks; then one key each for the third mark, the right angle
// and the working.
struct CircleQuestion {
  Placement points[4];  // in the order they are computed
  bool chordBC;
  Letter letters[4];
  kit::AngleMark shown[2];
  kit::AngleMark third;
  Point corner[3];  // vertex, arms
  float cornerSide;
  std::span<const Piece> working;
};

// Angle marks: vertex, arms, size, arcs, arm order, label colour, sector outline, arc colour, label.
constexpr CircleQuestion kQuestion8{
    {{PA, 120}, {PC, 300}, {PB, 206}, {PD, 60}},
    false,
    {{"A", PA, -14, -50}, {"B", PB, -34, -25}, {"C", PC, 8, 0}, {"D", PD, 4, -25}},
    {{PA, PB, PC, 40, 1, 1, 3, 0, 3, "47%"}, {PD, PA, PB, 40, 1, 1, 5, 0, 3, "x"}},
    {PD, PB, PC, 40, 1, 1, 3, 0, 3, "47%"},
    {PD, PA, PC},
    70,
    kAnswer8,
};
constexpr CircleQuestion kQuestion9{
    {{PA, 100}, {PC, 260}, {PB, 180}, {PD, 0}},
    true,
    {{"A", PA, -14, -45}, {"B", PB, -34, -25}, {"C", PC, -14, 0}, {"D", PD, 4, -25}},
    {{PC, PD, PA, 40, 1, 1, 3, 0, 3, "50%"}, {PD, PA, PB, 40, 1, 1, 5, 0, 3, "x"}},
    {PB, PD, PA, 40, 1, 1, 3, 0, 3, "50%"},
    {PA, PB, PD},
    40,
    kAnswer9,
};

// The figure of one question, its grid's top at `top`, then its marks and working.
void ShowCircleQuestion(Program& P, float top, const CircleQuestion& q) {
  auto& v = P.v;
  kit::GridPaper(P, 920, top, 8, 7, 15, 40);
  kit::GridPoint(P, O, 4, 4);
  v.R1 = v.SIZE * 3;
  for (auto [point, degrees] : q.points) PlaceOnCircle(P, point, O, 3, degrees);
  kit::DrawCircle(P, O, v.R1, 0);
  Polyline(P, PA, PB, PD, kit::PathKind::Closed);
  Polyline(P, PA, PC, PD, kit::PathKind::Closed);
  v.A = O;
  kit::DrawDot(P, O, 6, 0);
  kit::LetterAt(P, O, -14, 10, "O", 0);
  if (q.chordBC) Segment(P, PB, PC);
  DrawLetters(P, q.letters);
  for (const kit::AngleMark& m : q.shown) AngleMark(P, m);
  shell::WaitAnyKey(P);
  AngleMark(P, q.third);
  shell::WaitAnyKey(P);
  RightAngle(P, q.corner[0], q.corner[1], q.corner[2], -1, q.cornerSide, 7);
  shell::WaitAnyKey(P);
  WriteColumn(P, q.working);
}

}  // namespace

Screen ConfirmAnswer1(Program& P) {
  OpenAnswerScreen(P, kOpening);
  shell::WaitAnyKey(P);
  WriteColumn(P, kLeftColumn);
  ColumnAt(P, 560, 560 + 54, 20);
  WriteColumn(P, kSecondColumnTop);
  ShowCircleQuestion(P, 70, kQuestion8);
  ShowCircleQuestion(P, P.v.GY2, kQuestion9);  // directly below the first figure
  return {ConfirmLearningSubMenu};
}

}  // namespace pendrel
