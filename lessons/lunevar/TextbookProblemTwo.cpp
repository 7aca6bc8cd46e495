// Choice 4 of item 3: the worked answers of textbook problem 2. Both figures at once (triangle
// ABC with AB a diameter; triangles ABD and ACD with AB a diameter), then for each part the
// right angle on the diameter and the angle sum that gives x, in two columns.
#include <initializer_list>
#include <span>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/Lunevar.h"
#include "lunevar/TheoremUseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

struct Figure {
  float left, top;  // grid paper of 16 by 16 cells of 30
  int centre;
  float radius;     // cells
  float centreLabelDx, centreLabelDy;
  std::span<const kit::OnCircle> points;
  std::span<const kit::Letter> letters;
  std::span<const std::initializer_list<int>> paths;
  std::span<const kit::AngleMark> marks;
};

// (1): triangle ABC, AB through O.
constexpr kit::OnCircle kPoints1[] = {{12, 130}, {13, 310}, {14, 22}};
constexpr kit::Letter kLetters1[] = {{"A", 12, -35, -25}, {"B", 13, 6, 6}, {"C", 14, 14, -50}};
constexpr std::initializer_list<int> kPaths1[] = {{12, 13, 14, 12}};
constexpr kit::AngleMark kMarks1[] = {
    Mark(12, 13, 14, 50, 1, 3, "x", 5),
    Mark(13, 14, 12, 50, 1, 3, "54%", 3),
};
constexpr Figure kFigure1{36, 240, 11, 5, -34, 8, kPoints1, kLetters1, kPaths1, kMarks1};

// (2): triangles ABD and ACD, AB a diameter.
constexpr kit::OnCircle kPoints2[] = {{2, 230}, {3, 50}, {4, 310}, {5, 180}};
constexpr kit::Letter kLetters2[] = {{"A", 2, -40, -15}, {"B", 3, 8, -25}, {"C", 4, 8, -20}, {"D", 5, -40, -25}};
constexpr std::initializer_list<int> kPaths2[] = {{2, 3, 5, 2}, {2, 4, 5, 2}};
constexpr kit::AngleMark kMarks2[] = {
    Mark(2, 3, 5, 60, 1, 3, "x", 5),
    Mark(4, 5, 2, 60, 1, 3, "25%", 3),
};
constexpr Figure kFigure2{720, 200, 1, 6, 6, -10, kPoints2, kLetters2, kPaths2, kMarks2};

// The inscribed angle ABD, equal to ACD on the same arc AD.
constexpr kit::AngleMark kAngleAtB = Mark(3, 5, 2, 60, 1, 3, "25%", 3);

constexpr kit::TextPiece kAnswer1[] = {
    kit::NewLine(40, 60, 5, "∠x="), kit::SameLine(0, 0, "180%-90%-54%="), kit::SameLine(0, 5, "36%"),
};
constexpr kit::TextPiece kAnswer2[] = {
    kit::NewLine(576, 60, 5, "∠x="), kit::SameLine(0, 0, "180%-90%-25%="), kit::SameLine(0, 5, "65%"),
};

void drawFigure(Program& P, const Figure& f) {
  auto& v = P.v;
  kit::GridPaper(P, f.left, f.top, 16, 16, 15, 30);
  kit::GridPoint(P, f.centre, 8, 8);
  kit::PointsAtCellsViaMABC(P, f.centre, f.radius, f.points);
  kit::CircleWithCentreO(P, f.centre, v.SIZE * f.radius, 6, f.centreLabelDx, f.centreLabelDy);
  for (const auto& path : f.paths) kit::DrawPath(P, path, 0);
  kit::DrawLetters(P, f.letters);
  for (const kit::AngleMark& m : f.marks) kit::DrawAngleMark(P, m);
}

}  // namespace

Screen TextbookProblemTwoAnswers(Program& P) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .heading = "<問2 解答>", .headingAtNumbers = true});
  drawFigure(P, kFigure1);
  drawFigure(P, kFigure2);
  shell::WaitAnyKey(P);

  kit::TextOnNewLine(P, v.XI0, 50, "(1)", 3);
  kit::DrawCornerOnSide(P, 14, 12, 13, 25, 5, -1);  // the right angle at C
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kAnswer1);
  shell::WaitAnyKey(P);

  v.XI0 = 576;
  v.YI1 = 30;
  kit::TextLineAt(P, v.XI0, v.YI1, "(2)", 3);
  kit::DrawCornerOnSide(P, 5, 3, 2, 25, 5, -1);  // the right angle at D
  kit::DrawAngleMark(P, kAngleAtB);
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kAnswer2);
  return {TheoremUseSubMenu};
}

}  // namespace lunevar
