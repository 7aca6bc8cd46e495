// Choice 3 of item 3: the inscribed angle on a semicircle. AB a diameter, P on the circle: the
// answer 90°, the marks 90° at P and 180° at O, the rule, and the textbook exercise, one step
// per key.
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/Lunevar.h"
#include "lunevar/TheoremUseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

// Point table: O 0, A 1, B 2, P 3.
constexpr int O = 0, A = 1, B = 2, Pt = 3;

constexpr kit::TextPiece kRule[] = {
    kit::NewLine(40, 80, 5, "半円の弧に対する円周角"),
    kit::NewLine(40, 60, 0, "は、"),
    kit::SameLine(0, 5, "直角"),
    kit::SameLine(0, 0, "である。"),
    kit::SameLine(0, 3, "(ABが直径)"),
};

// The inscribed angle APB, a filled sector; drawn twice, the second time with its label.
constexpr kit::AngleMark kAngleAtP = Mark(Pt, A, B, 60, 0, 3, "", 5);
constexpr kit::AngleMark kAngleAtPLabelled = Mark(Pt, A, B, 60, 0, 3, "90%", 5);
// The straight angle AOB, one arc.
constexpr kit::AngleMark kAngleAtO = Mark(O, A, B, 60, 1, 7, "180%", 7);

}  // namespace

Screen SemicircleAngle(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .margin = 121, .heading = "ABが直径のとき、円周角∠APBの大きさは？",
                    .headingAtNumbers = true});
  kit::GridPaper(P, 640, 100, 6, 6, 15, 70);
  kit::GridPoint(P, O, 3, 3);
  kit::PointAtCellsViaMABC(P, A, O, 3, 180);
  kit::PointAtCellsViaMABC(P, B, O, 3, 0);
  kit::PointAtCellsViaMABC(P, Pt, O, 3, 70);
  kit::CircleWithCentreO(P, O, v.SIZE * 3, 6, -14, -50);
  kit::DrawPath(P, {A, B, Pt}, 0, kit::PathKind::Closed);
  kit::LetterAt(P, A, -35, -25, "A", 0);
  kit::LetterAt(P, B, 6, -25, "B", 0);
  kit::LetterAt(P, Pt, 14, -50, "P", 0);
  kit::AngleMarkViaABC(P, kAngleAtP);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI1, 60, "90°", 5);
  kit::AngleMarkViaABC(P, kAngleAtPLabelled);
  shell::WaitAnyKey(P);

  kit::AngleMarkViaABC(P, kAngleAtO);
  shell::WaitAnyKey(P);

  kit::DrawTextPieces(P, kRule);
  shell::WaitAnyKey(P);

  kit::TextLineAt(P, 44, 540, "教科書P165 問2　をしなさい。", 7);
  return {TheoremUseSubMenu};
}

}  // namespace lunevar
