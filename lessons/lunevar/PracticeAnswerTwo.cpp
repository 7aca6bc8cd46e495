// Practice answer (2): the central angle of 160 degrees between the radii to points 1 and 3; the
// inscribed angle x at point 2 stands on the other arc, so x is half of 200.
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/PracticeAnswers.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

constexpr int O = 0;

constexpr FigurePoint kPoints[] = {{1, 190}, {2, 290}, {3, 350}};

constexpr kit::AngleMark kGivenAngle = Mark(O, 1, 3, 60, 0, 3, "160%", 3, 0, 0);
constexpr kit::AngleMark kAskedAngle = Mark(2, 3, 1, 60, 0, 3, "x", 5, 0, 0);
// The reflex central angle, by one arc beside the sector.
constexpr kit::AngleMark kOtherCentralAngle = Mark(O, 3, 1, 60, 1, 3, "200%", 3, 0, 0);

using kit::kKeyWait, kit::NewLine, kit::SameLine;

constexpr kit::TextPiece kAnswer[] = {
    kKeyWait,
    NewLine(40, 100, 3, "∠x="),
    SameLine(0, 0, "ﾀ1/2ﾀ*200%="),
    SameLine(0, 5, "100%"),
};

}  // namespace

Screen PracticeAnswerTwo(Program& P) {
  PracticeAnswerFrame(P, "(2)", kPoints, CentreMark::OAbove);
  kit::DrawPath(P, {O, 1, 2, 3, O}, 0);
  kit::DrawAngleMark(P, kGivenAngle);
  kit::DrawAngleMark(P, kAskedAngle);
  shell::WaitAnyKey(P);
  kit::DrawAngleMark(P, kOtherCentralAngle);
  kit::DrawTextPieces(P, kAnswer);
  return {PracticeSubMenu};
}

}  // namespace lunevar
