// Item 6, choice 3: the converse of the inscribed-angle theorem, stated on four points A, B, C,
// P with the circle through them coming with the conclusion, then its right-angle case on a
// circle with AB a diameter and P, Q on either side of it.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

using kit::kKeyWait, kit::NewLine, kit::SameLine;

// The statement lines stand at XI1 - 72 = 36, 60 apart; the right-angle part at x 450.
constexpr kit::TextPiece kHypotheses[] = {
    NewLine(36, 0, 3, "<円周角の定理の逆>"),
    NewLine(36, 60, 0, "4点A,B,C,Pについて"),
    NewLine(36, 60, 0, "①"),
    SameLine(0, 3, "C,Pが直線ABの同じ側にあって"), kKeyWait,
    NewLine(36, 60, 0, "②"),
    SameLine(0, 3, "∠ACB=∠APB"),
};
constexpr kit::TextPiece kThen[] = {SameLine(0, 0, "　ならば　"), kKeyWait};
constexpr kit::TextPiece kConclusion[] = {NewLine(36, 60, 5, "この4点は同じ円周上にある。"), kKeyWait};
constexpr kit::TextPiece kRightAngle[] = {
    NewLine(450, 130, 3, "∠APB=90%のとき "), kKeyWait,
    SameLine(0, 5, "ABは直径"), kKeyWait,
    NewLine(450, 50, 0, "点QがABの反対側にあっても"),
    NewLine(450, 50, 3, "∠AQB=90% ならば "),
};
constexpr kit::TextPiece kClosing[] = {
    NewLine(450, 50, 5, "4点A,B,P,Qは同じ円周上にある。"), kKeyWait,
    NewLine(450, 60, 0, "教科書P169 問1　をしなさい。"),
};

// Figure 1: O is point 1, with A, B, C and P on its circle, C and P above the line AB.
constexpr DirectedPoint kFigure1[] = {
    {2, &Lunevar::DHRA, 220}, {3, &Lunevar::DHRB, 320}, {4, &Lunevar::DHRC, 120}, {5, &Lunevar::DHRP, 60}};
constexpr Letter kFigure1Letters[] = {
    {"A", 2, -40, 4}, {"B", 3, 10, 4}, {"C", 4, -16, -45}, {"P", 5, -20, -50}};
constexpr Segment kFigure1Chords[] = {{2, 4}, {3, 4}, {2, 5}, {3, 5}};

// Figure 2: O is point 0; AB a diameter, P above it and Q below, 3 cells from O.
constexpr PlacedPoint kFigure2[] = {{1, 0, 3, 180}, {2, 0, 3, 0}, {3, 0, 3, 60}, {4, 0, 3, 280}};
constexpr Letter kFigure2Letters[] = {{"A", 1, -34, -25}, {"B", 2, 10, -25}, {"P", 3, 10, -25}};

// The right angle at `vertex` between the arms to A and B.
void rightAngleMark(Program& P, int vertex) {
  P.v.ITI = -1;
  kit::DrawCorner(P, vertex, 1, 2, 30, 5);
}

}  // namespace

Screen ConverseTheorem(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 108, .drawWidth = 0});
  DrawConverseFigure(P);
  kit::DrawTextPieces(P, kHypotheses);
  // The same filled angle at C and at P: the two equal angles of the hypothesis.
  for (int vertex : {4, 5}) kit::DrawAngleMark(P, Mark(vertex, 2, 3, 50, 0, 3, ""));
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kThen);
  // Figure 1's circle, drawn before figure 2 takes over its points.
  P.pf.setDrawWidth(5);
  kit::DrawCircle(P, 1, v.R1, 0);
  kit::DrawTextPieces(P, kConclusion);

  DrawDiameterFigure(P);
  kit::DrawTextPieces(P, kRightAngle);
  kit::LetterAt(P, 4, 8, -10, "Q", 0);
  rightAngleMark(P, 4);
  kit::DrawPath(P, {1, 2, 4}, 0, kit::PathKind::Closed);
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kClosing);
  return {ConverseSubMenu};
}

// Figure 1 without its circle: the line AB across the frame, the letters and the chords from
// A and B to C and P. Leaves the draw width at 5.
void DrawConverseFigure(Program& P) {
  shell::Routine r(P);
  kit::FigureFrame(P, 600, 50, 10, 10, 30);
  CentreAndRadius(P, 1, 5, 5, 5);
  PlaceKeepingDirections(P, 1, kFigure1);
  P.pf.setDrawWidth(5);
  LineAcrossFrame(P, 2);
  DrawLetters(P, kFigure1Letters, 0);
  DrawSegmentList(P, kFigure1Chords);
}

// Figure 2 with O, A, B, P, the triangle ABP and its right angle at P; Q is placed (point 4)
// but the screen draws it.
void DrawDiameterFigure(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  kit::FigureFrame(P, 80, 350, 6, 6, 45);
  kit::GridPoint(P, 0, 3, 3);
  PlacePoints(P, kFigure2);
  kit::CircleWithCentreO(P, 0, 3 * v.SIZE, 6, -14, -50);
  kit::DrawPath(P, {1, 2, 3}, 0, kit::PathKind::Closed);
  DrawLetters(P, kFigure2Letters, 0);
  rightAngleMark(P, 3);
}

}  // namespace lunevar
