// Item 5's sub-menu, entered straight from the main menu (the item has no goal text), and the
// frame its four answers are drawn on.
#include "kit/Answers.h"
#include "kit/Flow.h"
#include "kit/Marks.h"
#include "kit/Text.h"
#include "lunevar/MainMenu.h"
#include "lunevar/PracticeAnswers.h"

namespace lunevar {

namespace {

constexpr kit::ScreenFn kSubMenuChoices[] = {
    PracticeAnswerOne, PracticeAnswerTwo, PracticeAnswerThree, PracticeAnswerFour, AnglesMainMenu,
};

}  // namespace

Screen PracticeAnswersStart(Program&) { return {PracticeSubMenu}; }

Screen PracticeSubMenu(Program& P) { return kit::SubMenu(P, "①～④解答　　　⑤終了", kSubMenuChoices); }

void PracticeAnswerFrame(Program& P, const char* number, std::span<const FigurePoint> points, CentreMark centre) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = 40, .margin = 40});
  kit::TextBoxOnLine(P, v.XI0, 160, 48, {.text = 5, .outline = 3, .fill = 13}, "練習問題");
  kit::TextBoxOnLine(P, v.XI2 + 30, 108, 48, {.text = 5, .outline = 4, .fill = 11}, number);
  DrawSixCellCircle(P, points);
  if (centre == CentreMark::None) return;
  kit::DrawDot(P, 0, 6, 0);
  if (centre == CentreMark::OAbove)
    kit::LetterAt(P, 0, -14, -50, "O", 0);
  else
    kit::LetterAt(P, 0, -34, -25, "O", 0);
}

}  // namespace lunevar
