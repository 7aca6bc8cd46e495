// Choice 2 of item 3: the worked answers of textbook problem 1 (page 164). Answers (1) to (5)
// one line a key; for (6) the circle with A to E, the given angles and x, the radius OC with
// the two central angles it makes, and the answer on the line of "(6)".
#include "kit/Marks.h"
#include "kit/Points.h"
#include "kit/Text.h"
#include "lunevar/Lunevar.h"
#include "lunevar/TheoremUseLesson.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr kit::TextPiece kAnswerLines[] = {
    kit::NewLine(40, 50, 0, "(1)"), kit::SameLine(0, 5, "∠x=38°"),  kit::kKeyWait,
    kit::NewLine(40, 60, 0, "(2)"), kit::SameLine(0, 5, "∠x=110°"), kit::kKeyWait,
    kit::NewLine(40, 60, 0, "(3)"), kit::SameLine(0, 5, "∠x=100°"), kit::kKeyWait,
    kit::NewLine(40, 60, 0, "(4)"), kit::SameLine(0, 5, "∠x=40°"),  kit::kKeyWait,
    kit::NewLine(40, 60, 0, "(5)"), kit::SameLine(0, 5, "∠x=95°"),  kit::kKeyWait,
    kit::NewLine(40, 60, 0, "(6)"),
};

// The figure of (6): O is point 0; A to E on the circle, 3 cells out.
constexpr kit::OnCircle kPoints[] = {{1, 110}, {2, 210}, {3, 270}, {4, 320}, {5, 50}};
constexpr kit::Letter kLetters[] = {
    {"A", 1, -35, -50}, {"B", 2, -32, -25}, {"C", 3, -14, 4}, {"D", 4, 8, 4}, {"E", 5, -4, -50},
};

constexpr kit::AngleMark kGivenAngles[] = {
    Mark(1, 2, 3, 60, 0, 3, "30%", 3),
    Mark(5, 3, 4, 60, 0, 3, "25%", 3),
    Mark(0, 2, 4, 40, 0, 3, "x", 5, 20),
};

constexpr kit::AngleMark kCentralAngles[] = {
    Mark(0, 2, 3, 60, 1, 7, "60%", 7),
    Mark(0, 3, 4, 90, 1, 7, "50%", 7),
};

void drawFigure(Program& P) {
  auto& v = P.v;
  kit::GridPaper(P, 480, 100, 6, 6, 15, 70);
  kit::GridPoint(P, 0, 3, 3);
  kit::PointsAtCellsViaMABC(P, 0, 3, kPoints);
  kit::CircleWithCentreO(P, 0, v.SIZE * 3, 6, -14, -50);
  kit::DrawPath(P, {2, 0, 4, 5, 3, 1, 2}, 0);  // radii OB, OD and chords DE, EC, CA, AB
  kit::DrawLetters(P, kLetters);
  for (const kit::AngleMark& m : kGivenAngles) kit::DrawAngleMark(P, m);
}

}  // namespace

Screen TextbookProblemOneAnswers(Program& P) {
  kit::OpenPage(P, {.numbers = 40, .margin = 121, .heading = "教科書P164 問1 解答"});
  shell::WaitAnyKey(P);
  kit::DrawTextPieces(P, kAnswerLines);
  drawFigure(P);
  shell::WaitAnyKey(P);
  kit::DrawSegment(P, 0, 3, 3);  // the radius OC
  for (const kit::AngleMark& m : kCentralAngles) kit::DrawAngleMark(P, m);
  shell::WaitAnyKey(P);
  kit::TextOnLine(P, 0, "∠x=110°", 5);
  return {TheoremUseSubMenu};
}

}  // namespace lunevar
