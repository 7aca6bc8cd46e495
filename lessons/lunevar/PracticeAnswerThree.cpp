// Practice answer (3): ABCD in circle O with the diameter AC and the diagonal BD; angle ABD equals
// angle ACD (50 degrees) on the same arc AD, and angle ABC is right, so x = 90 - 50.
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/ConverseLesson.h"  // Letter, DrawLetters
#include "lunevar/PracticeAnswers.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr int A = 1, B = 2, C = 3, D = 4;

constexpr FigurePoint kPoints[] = {{A, 90}, {B, 150}, {C, 270}, {D, 350}};
constexpr Letter kLetters[] = {{"A", A, -14, -50}, {"B", B, -34, -25}, {"C", C, -14, 10}, {"D", D, 8, -20}};

constexpr kit::AngleMark kFigureMarks[] = {
    Mark(C, D, A, 60, 0, 3, "50%", 3, 0, 0),
    Mark(B, C, D, 60, 0, 3, "x", 5, 0, 0),
};
// Angle ABD, on the same arc as angle ACD, by one arc.
constexpr kit::AngleMark kSameArcAngle = Mark(B, D, A, 60, 1, 3, "50%", 3, 0, 0);

using kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kAnswer[] = {
    kKeyWait,
    NewLine(40, 90, 5, ""),
    SameLine(0, 5, "∠x="),
    SameLine(0, 0, "90%-50%="),
    SameLine(0, 5, "40%"),
};

}  // namespace

Screen PracticeAnswerThree(Program& P) {
  PracticeAnswerFrame(P, "(3)", kPoints, CentreMark::OLeft);
  kit::DrawPath(P, {A, B, C, D, A, C}, 0);
  kit::DrawSegment(P, B, D, 0);
  DrawLetters(P, kLetters, 0);
  for (const kit::AngleMark& m : kFigureMarks) kit::DrawAngleMark(P, m);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, kSameArcAngle);
  shell::WaitAnyKey(P);
  // The right angle ABC on the diameter; the mark leaves ITI at -1 and NAGASA at 50.
  kit::DrawCornerOnSide(P, B, A, C, 50, 5, -1);
  kit::DrawTextPieces(P, kAnswer);
  return {PracticeSubMenu};
}

}  // namespace lunevar
