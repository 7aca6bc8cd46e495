// Item 4's worked answers of textbook problems 3 and 4, on one figure: circle O with six points
// and three equal arcs marked by radial ticks. Problem 4 takes the points at 328 and 24 degrees
// as D and C (problem 3 names them C and D) and marks no centre.
#include <initializer_list>
#include <utility>

#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/ArcLesson.h"
#include "lunevar/Lunevar.h"
#include "lunevar/SixCellCircle.h"

namespace lunevar {

namespace {

// The point table: O, then A, B, the points at 328 and 24 degrees, P and Q on the circle, then
// the outer and inner ends of the ticks on the three equal arcs (15 off the circle).
constexpr FigurePoint kPoints[] = {
    {1, 214, 0},  {2, 270, 0},   {3, 328, 0},  {4, 24, 0},   {5, 126, 0},  {6, 106, 0},
    {7, 242, 15}, {8, 242, -15}, {9, 298, 15}, {10, 298, -15}, {11, 354, 15}, {12, 354, -15},
};
constexpr int O = 0, A = 1, B = 2, At328 = 3, At24 = 4, Pp = 5, Q = 6;

// A letter stands at the offset of its point's index, whatever the letter.
struct Offset {
  float dx, dy;
};
constexpr Offset kLetterOffsets[] = {{-14, -50}, {-20, 4}, {-14, 8}, {6, -10}, {8, -20}, {-14, -50}, {-14, -50}};

void letters(Program& P, std::initializer_list<std::pair<int, const char*>> letters) {
  for (auto [i, text] : letters) kit::LetterAt(P, i, kLetterOffsets[i].dx, kLetterOffsets[i].dy, text, 0);
}

void equalArcTicks(Program& P) {
  for (auto [outer, inner] : {std::pair{7, 8}, {9, 10}, {11, 12}}) kit::DrawSegment(P, outer, inner, 3);
}

// The page cleared, the title, and the circle of radius 3 cells about O at draw width 5, which
// the screen keeps. Leaves XI0 = 40, XI1 = 121 and the point table 0 to 12 in page units.
void problemFigure(Program& P, const char* title) {
  kit::OpenPage(P, {.numbers = 40, .margin = 121, .heading = title});
  DrawSixCellCircle(P, kPoints);
}

using kit::ArcSignedText, kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::AngleMark kProblemThreeMarks[] = {
    Mark(Pp, A, B, 60, 0, 3, "28%", 3, 0, 0),
    Mark(Q, At328, At24, 60, 0, 3, "x", 5, 0, 0),
    Mark(O, B, At328, 40, 0, 3, "y", 5, 0, 0),
};

constexpr kit::TextPiece kProblemThreeAnswer[] = {
    kKeyWait,
    NewLine(40, 50, 0, "1つの円で、"),
    NewLine(40, 50, 0, "等しい弧に対する円周角は等しいから"),
    NewLine(121, 50, 5, "∠x=28°"),
    kKeyWait,
    NewLine(40, 60, 0, ""),
    ArcSignedText(0, "BCに対する円周角も28°だから"),
    NewLine(121, 50, 5, "∠y=56°"),
    kKeyWait,
    NewLine(40, 80, 7, "教科書P166 問4　をしなさい。"),
};

// Problem 4: arc BC is twice arc AB; D halves it.
constexpr int D = At328, C = At24;

constexpr kit::AngleMark kProblemFourMarks[] = {
    Mark(Pp, A, B, 60, 0, 3, "31%", 3, 0, 0),
    Mark(Q, B, C, 60, 0, 5, "", 5, 0, 0),
};

constexpr kit::TextPiece kPointD[] = {
    kKeyWait,
    NewLine(40, 65, 0, ""),
    ArcSignedText(0, "BCは"),
    ArcSignedText(0, "ABの2倍 だから"),
    NewLine(40, 65, 0, ""),
    ArcSignedText(0, "BD="),
    ArcSignedText(0, "DC となる点Dをとると、"),
};

constexpr kit::TextPiece kProblemFourAnswer[] = {
    kKeyWait,
    NewLine(40, 65, 3, ""),
    ArcSignedText(3, "AB="),
    ArcSignedText(3, "BD="),
    ArcSignedText(3, "DC"),
    kKeyWait,
    NewLine(40, 50, 0, "1つの円で、"),
    NewLine(40, 50, 0, "等しい弧に対する円周角は等しいから"),
    NewLine(40, 50, 3, "∠APB=∠BQD=∠DQC=31%"),
    kKeyWait,
    NewLine(40, 50, 5, "∠BQC="),
    SameLine(0, 5, "31%+31%="),
    SameLine(0, 5, "62°"),
};

}  // namespace

Screen TextbookProblemThreeAnswer(Program& P) {
  problemFigure(P, "教科書P166 問3 解答");
  kit::DrawDot(P, O, 6, 0);
  letters(P, {{O, "O"}});
  kit::DrawPath(P, {A, Pp, B, O, At328, Q, At24}, 0);
  letters(P, {{A, "A"}, {B, "B"}, {At328, "C"}, {At24, "D"}, {Pp, "P"}, {Q, "Q"}});
  equalArcTicks(P);
  for (const kit::AngleMark& m : kProblemThreeMarks) kit::DrawAngleMark(P, m);
  kit::DrawTextPieces(P, kProblemThreeAnswer);
  return {ArcSubMenu};
}

Screen TextbookProblemFourAnswer(Program& P) {
  problemFigure(P, "教科書P166 問4 解答");
  kit::DrawPath(P, {A, Pp, B, Q, C}, 0);
  letters(P, {{A, "A"}, {B, "B"}, {C, "C"}, {Pp, "P"}, {Q, "Q"}});
  for (const kit::AngleMark& m : kProblemFourMarks) kit::DrawAngleMark(P, m);
  kit::DrawTextPieces(P, kPointD);
  kit::DrawSegment(P, Q, D, 3);
  letters(P, {{D, "D"}});
  equalArcTicks(P);
  kit::DrawTextPieces(P, kProblemFourAnswer);
  return {ArcSubMenu};
}

}  // namespace lunevar
