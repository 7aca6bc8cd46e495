// Item 6, choices 4 and 5: the worked answers of the textbook's exercise and practice problem
// on four points on one circle. Both draw quadrilateral ABCD inscribed in a circle of the same
// size, the text running down the left and the figure standing on the right.
#include <span>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

using kit::kKeyWait, kit::NewLine;

// Directions of A, B, C and D about O, in degrees.
struct Corners {
  float a, b, c, d;
};

constexpr Letter kLetters[] = {{"A", 1, -34, -30}, {"B", 2, -30, -25}, {"C", 3, 10, -15}, {"D", 4, 10, -25}};

// Either figure: O (point 0) at the middle of the frame, A to D (points 1 to 4) on the circle of
// 3 cells about it, which is not drawn, the quadrilateral, its diagonals BD and AC, the letters
// and the figure's marks.
void drawQuadrilateral(Program& P, Corners corners, std::span<const kit::AngleMark> marks) {
  shell::Routine r(P);
  kit::FigureFrame(P, 792, 150, 6, 6, 65);
  kit::GridPoint(P, 0, 3, 3);
  const PlacedPoint points[] = {
      {1, 0, 3, corners.a}, {2, 0, 3, corners.b}, {3, 0, 3, corners.c}, {4, 0, 3, corners.d}};
  PlacePoints(P, points);
  kit::DrawPath(P, {1, 2, 3, 4}, 0, kit::PathKind::Closed);
  kit::DrawSegment(P, 2, 4, 0);
  kit::DrawSegment(P, 1, 3, 0);
  DrawLetters(P, kLetters, 0);
  for (const kit::AngleMark& m : marks) kit::DrawAngleMark(P, m);
}

// The exercise: (ア) not on one circle, (イ) worked out on the figure, (ウ) on one circle.
constexpr kit::TextPiece kExerciseBefore[] = {
    NewLine(36, 0, 3, "<問1解答>"), kKeyWait,
    NewLine(36, 50, 0, "(ア) ∠BACと∠BDCは等しくないので、"), kKeyWait,
    NewLine(84, 50, 5, "4点A,B,C,Dは同じ円周上にない。"), kKeyWait,
};
constexpr kit::TextPiece kExerciseWorked[] = {
    NewLine(36, 60, 0, "(イ) ∠BAC=180%-(40%+45%+35%)"),
    NewLine(96, 50, 0, "=180%-120%=60% で、"), kKeyWait,
};
constexpr kit::TextPiece kExerciseAfter[] = {
    NewLine(96, 50, 0, "2点A,DはBCの同じ側にあって、"),
    NewLine(96, 50, 0, "∠BAC=∠BDC だから、"), kKeyWait,
    NewLine(84, 50, 5, "4点A,B,C,Dは同じ円周上にある。"), kKeyWait,
    NewLine(36, 60, 0, "(ウ) 2点A,DはBCの同じ側にあって、"),
    NewLine(96, 50, 0, "∠BAC=∠BDC=90% だから、"), kKeyWait,
    NewLine(84, 50, 5, "4点A,B,C,Dは同じ円周上にある。"), kKeyWait,
    NewLine(240, 50, 7, "教科書P169 練習問題　をしなさい。"),
};
constexpr Corners kExerciseCorners = {135, 215, 335, 65};
// The angles given in (イ), and the one it finds.
constexpr kit::AngleMark kExerciseGiven[] = {
    Mark(1, 3, 4, 40, 1, 3, "45%", 3),  // CAD
    Mark(4, 1, 2, 40, 1, 3, "40%", 3),  // ADB
    Mark(2, 4, 1, 60, 1, 3, "35%", 3),  // ABD
    Mark(4, 2, 3, 60, 1, 3, "60%", 3),  // BDC
};
constexpr kit::AngleMark kExerciseFound = Mark(1, 2, 3, 60, 1, 7, "60%", 7);  // BAC

// The practice problem: the circle through A, B, C, D, then x and y by the theorem.
constexpr kit::TextPiece kPracticeHeading[] = {NewLine(40, 0, 3, "<練習問題 解答>")};
constexpr kit::TextPiece kPracticeCircle[] = {
    NewLine(40, 60, 0, "∠ADB=∠ACB=33% で、"), kKeyWait,
    NewLine(88, 50, 5, "4点A,B,C,Dは同じ円周上にある。"),
};
constexpr kit::TextPiece kPracticeAngles[] = {
    NewLine(40, 60, 0, "弧BCに対する円周角だから、"), kKeyWait,
    NewLine(88, 50, 5, "∠x=∠BAC=54%"), kKeyWait,
    NewLine(40, 60, 0, "弧ADに対する円周角だから、"), kKeyWait,
    NewLine(88, 50, 5, "∠y=∠ACD=48%"),
};
constexpr Corners kPracticeCorners = {135, 201, 309, 39};
// The given angles carry their values; the two to be found, their letters.
constexpr kit::AngleMark kPracticeMarks[] = {
    Mark(1, 2, 3, 40, 1, 3, "54%", 3),  // BAC
    Mark(4, 1, 2, 70, 1, 3, "33%", 3),  // ADB
    Mark(2, 4, 1, 60, 1, 5, "y", 5),    // ABD
    Mark(3, 1, 2, 80, 1, 3, "33%", 3),  // ACB
    Mark(3, 4, 1, 60, 1, 3, "48%", 3),  // ACD
    Mark(4, 2, 3, 60, 1, 5, "x", 5),    // BDC
};

}  // namespace

Screen ConverseExerciseAnswers(Program& P) {
  kit::OpenPage(P, {.margin = 36});
  kit::DrawTextPieces(P, kExerciseBefore);
  drawQuadrilateral(P, kExerciseCorners, kExerciseGiven);  // with the four angles given in (イ)
  kit::DrawTextPieces(P, kExerciseWorked);
  kit::DrawAngleMark(P, kExerciseFound);
  kit::DrawTextPieces(P, kExerciseAfter);
  return {ConverseSubMenu};
}

Screen ConversePracticeAnswer(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.margin = 40});
  kit::DrawTextPieces(P, kPracticeHeading);
  drawQuadrilateral(P, kPracticeCorners, kPracticeMarks);
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kPracticeCircle);
  kit::DrawCircle(P, 0, 3 * v.SIZE, 7);
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kPracticeAngles);
  return {ConverseSubMenu};
}

}  // namespace lunevar
