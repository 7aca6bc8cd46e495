// Boxes on the text line and framed text boxes (see Boxes.h).
#include "kit/Boxes.h"

#include "mathtext/TextBoxes.h"
#include "platform/Errors.h"
#include "shell/Waits.h"

namespace kit {

namespace {

void setBox(Program& P, float x, float y, float width, float height, BoxColours c) {
  auto& v = P.v;
  v.X = x;
  v.Y = y;
  v.HABA = width;
  v.TATE = height;
  v.CCC1 = c.text;
  v.CCC2 = c.outline;
  v.CCC3 = c.fill;
}

constexpr BoxColours kAnswerColours{5, 3, 13};

}  // namespace

Pen AnswerBoxOnLine(Program& P, float gap, float width, float height, const std::string& text) {
  auto& v = P.v;
  Pen at{v.XI2 + gap, v.YI1};
  setBox(P, at.x, at.y, width, height, kAnswerColours);
  v.A_s = text;
  mathtext::DrawTextBoxOnLine(P);
  v.XI2 = v.X;
  return at;
}

void RedrawAnswerBox(Program& P, float x, float y, float width, float height, const std::string& text) {
  setBox(P, x, y, width, height, kAnswerColours);
  P.v.A_s = text;
  mathtext::DrawTextBoxOnLine(P);
}

std::string CircledNumber(int n) {
  static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                         "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
  if (n < 1 || n > 20) platform::raise(platform::IllegalFunctionCall);
  return kCircled[n - 1];
}

void NumberedAnswerBox(Program& P, std::span<const Answer> answers, int n, float gap, float height,
                       platform::Arr<float>& xs, platform::Arr<float>& ys) {
  Pen at = AnswerBoxOnLine(P, gap, answers[n - 1].width, height, CircledNumber(n));
  xs(n) = at.x;
  ys(n) = at.y;
}

void RevealAnswers(Program& P, std::span<const Answer> answers, float height, platform::Arr<float>& xs,
                   platform::Arr<float>& ys) {
  int n = 1;
  for (const Answer& a : answers) {
    shell::WaitAnyKey(P);
    RedrawAnswerBox(P, xs(n), ys(n), a.width, height, a.text);
    ++n;
  }
}

void TextBox(Program& P, float x, float y, float width, float height, BoxColours c, const std::string& text) {
  setBox(P, x, y, width, height, c);
  P.v.A_s = text;
  mathtext::DrawTextBox(P);
}

void TwoLineTextBox(Program& P, float x, float y, float width, float height, BoxColours c,
                    const std::string& first, const std::string& second) {
  setBox(P, x, y, width, height, c);
  P.v.A1_s = first;
  P.v.A2_s = second;
  mathtext::DrawTwoLineTextBox(P);
}

}  // namespace kit
