// The answer screens' opening (see AnswerScreen.h).
#include "pendrel/AnswerScreen.h"

#include "kit/Answers.h"
#include "kit/Points.h"
#include "kit/Text.h"

namespace pendrel {

void OpenAnswerScreen(Program& P, const Opening& o) {
  auto& v = P.v;
  kit::OpenPage(P, {.numbers = o.xi0, .margin = o.xi1, .top = o.yi1});
  kit::TextBoxOnLine(P, v.XI0, 256, 48, {0, 3, 13}, o.caption);
  kit::TextBoxOnLine(P, v.XI2 + 10, o.numberWidth, 48, {13, 4, 3}, o.number);
}

void OpenCirclePage(Program& P, const Opening& o, float top, float columns, float size, float ox) {
  OpenAnswerScreen(P, o);
  kit::FigureFrame(P, 720, top, columns, 6, size);
  kit::CentreAndRadius(P, 0, ox, 3, 3);
}

}  // namespace pendrel
