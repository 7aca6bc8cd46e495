// Menu item 5, the practice problems: the sub-menu and the worked answers of the four problems,
// each on the same frame of banners and circle.
#pragma once

#include <span>

#include "lunevar/Lunevar.h"
#include "lunevar/SixCellCircle.h"

namespace lunevar {

Screen PracticeAnswersStart(Program& P);
Screen PracticeSubMenu(Program& P);

Screen PracticeAnswerOne(Program& P);
Screen PracticeAnswerTwo(Program& P);
Screen PracticeAnswerThree(Program& P);
Screen PracticeAnswerFour(Program& P);

// How an answer marks the centre: a dot with "O" above it or to its left, or not at all.
enum class CentreMark { OAbove, OLeft, None };
// The page cleared, the banners "練習問題" and `number`, and the circle with the answer's points,
// all at draw width 5, which the answer keeps. Leaves XI0 = XI1 = 40, YI1 = 30, XI2 = 338.
void PracticeAnswerFrame(Program& P, const char* number, std::span<const FigurePoint> points, CentreMark centre);

}  // namespace lunevar
