// Item 6, choice 1: the textbook's search for the points P that see AB under one angle. A set
// square is laid at one P after another on a circle kept hidden, the squares are wiped and the
// angles drawn as chords, more points are dotted, and last the circle through them all appears.
#include <cmath>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

using kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kTask[] = {
    NewLine(36, 0, 7, "教科書P167 ひろげよう"),
    NewLine(36, 50, 3, "∠APB=45%"),
    SameLine(0, 0, "となるような点Pを"),
    NewLine(36, 50, 0, "三角定規を使って10個とろう。"),
    NewLine(36, 50, 0, "点Pはどんな図形の上にあるだろう。"),
};

// O is point 1; A and B lie on the circle below it, 100 degrees apart, at the same height.
// (With A and B so, every P sees AB under 50 degrees while the task says 45: the figure
// illustrates the search and is not drawn to scale.)
constexpr DirectedPoint kAB[] = {{2, &Lunevar::DHRA, 220}, {3, &Lunevar::DHRB, 320}};

constexpr Letter kABLetters[] = {{"A", 2, -40, -25}, {"B", 3, 20, -25}};

constexpr int kFirstP = 11;  // the first P, kept to place its label again

// What each P of a sequence gets.
enum class Laid { SetSquare, Chords, Dot };
// The Ps of a sequence run from the first angle down by the step, in degrees on the circle.
struct Sequence {
  int count;
  float first, step;
  Laid laid;
};
constexpr Sequence kSequences[] = {
    {10, 195, 25, Laid::SetSquare},  // two keys a point
    {10, 195, 25, Laid::Chords},     // all at once
    {20, 207.5f, 12.5f, Laid::Dot},  // all at once, the chords' Ps among them
};

void dotAtP(Program& P) { kit::DrawDot(P, 4, 4, 0); }

void layP(Program& P, Laid laid) {
  auto& v = P.v;
  if (laid == Laid::SetSquare) {
    DrawSetSquare(P);
    DrawPointsAB(P);
    shell::WaitAnyKey(P);
    dotAtP(P);
    shell::WaitAnyKey(P);
    return;
  }
  // The chords and the dots alike: P on the hidden circle, a dot on it.
  kit::PointAtRadians(P, 4, 1, v.R1, Lv(P).DHRP);
  if (laid == Laid::Chords) {
    P.pf.setDrawWidth(2);
    kit::DrawSegment(P, 2, 4, 0);
    kit::DrawSegment(P, 3, 4, 0);
  }
  P.pf.setDrawWidth(5);
  dotAtP(P);
  if (laid == Laid::Chords && v.II == 5) kit::LetterAt(P, kFirstP, -14, -50, "P", 3);
}

void runSequence(Program& P, const Sequence& s) {
  auto& v = P.v;
  v.II = 1;
  do {
    Lv(P).DHRP = (s.first - s.step * (v.II - 1)) * v.PI / 180;
    layP(P, s.laid);
    v.II = v.II + 1;
  } while (v.II <= static_cast<float>(s.count));
}

}  // namespace

Screen SetSquareSearch(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 36});
  kit::FigureFrame(P, 600, 30, 20, 19, 30);
  kit::DrawTextPieces(P, kTask);

  CentreAndRadius(P, 1, 8, 12, 6);
  PlaceKeepingDirections(P, 1, kAB);
  DrawPointsAB(P);
  shell::WaitAnyKey(P);

  Lv(P).DHRP = 95 * v.PI / 180;
  DrawSetSquare(P);
  v.X_a(kFirstP) = v.X_a(4);
  v.Y_a(kFirstP) = v.Y_a(4);
  dotAtP(P);
  kit::LetterAt(P, kFirstP, -14, -50, "P", 3);
  shell::WaitAnyKey(P);

  runSequence(P, kSequences[0]);
  shell::WaitAnyKey(P);
  // Everything right of the text: the set squares, their dots and the labels.
  kit::EraseBox(P, v.GX1, 0, v.GX1 + 1760, 1800);
  DrawPointsAB(P);
  runSequence(P, kSequences[1]);
  shell::WaitAnyKey(P);
  runSequence(P, kSequences[2]);
  shell::WaitAnyKey(P);

  P.pf.setDrawWidth(5);
  kit::DrawCircle(P, 1, v.R1, 0);
  shell::WaitAnyKey(P);
  kit::TextOnNewLine(P, v.XI1, 70, "円周上にありそうだ！", 5);
  return {ConverseSubMenu};
}

// The set square with its corner at P (point 4, at DHRP on the circle): one side along PA,
// 2·R1 long (point 5), the other along PB, 2·√2·R1 long (point 6), and the round hole at the
// centroid (point 7). Leaves HHP the direction of PB, and A, B the middle of points 5 and 6.
void DrawSetSquare(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  kit::PointAtRadians(P, 4, 1, v.R1, Lv(P).DHRP);
  kit::PointAtRadians(P, 5, 4, 2 * v.R1, kit::DirectionBetween(P, 4, 2));
  kit::PointAtRadians(P, 6, 4, 2 * std::sqrt(2.0f) * v.R1, kit::DirectionBetween(P, 4, 3));
  kit::DrawPath(P, {4, 5, 6}, 0, kit::PathKind::Filled, 13);
  v.A = (v.X_a(5) + v.X_a(6)) / 2;
  v.B = (v.Y_a(5) + v.Y_a(6)) / 2;
  v.X_a(7) = (v.X_a(4) + 2 * v.A) / 3;
  v.Y_a(7) = (v.Y_a(4) + 2 * v.B) / 3;
  kit::DrawDot(P, 7, 30, 15);
}

// A and B with their dots and letters; leaves CCC1 = 3.
void DrawPointsAB(Program& P) {
  shell::Routine r(P);
  kit::DrawDot(P, 2, 4, 0);
  kit::DrawDot(P, 3, 4, 0);
  DrawLetters(P, kABLetters, 3);
}

}  // namespace lunevar
