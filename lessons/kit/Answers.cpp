// Answer boxes and framed text boxes (see Answers.h).
#include "kit/Answers.h"

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

// A box the table does not hold is a fault of the screen.
const Answer& answerOf(const AnswerBoxes& boxes, int k) {
  if (k < 1 || static_cast<size_t>(k) > boxes.answers.size()) platform::raise(platform::IllegalFunctionCall);
  return boxes.answers[k - 1];
}

// Box k of the table at (x, y) holding `text`.
void drawAnswerBox(Program& P, const AnswerBoxes& boxes, int k, float x, float y, const std::string& text) {
  setBox(P, x, y, answerOf(boxes, k).width, boxes.height, kAnswerColours);
  P.v.A_s = text;
  mathtext::DrawTextBoxOnLine(P);
}

}  // namespace

std::string CircledNumber(int n) {
  static const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                         "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};
  if (n < 1 || n > 20) platform::raise(platform::IllegalFunctionCall);
  return kCircled[n - 1];
}

void EmptyAnswerBox(Program& P, const AnswerBoxes& boxes, int k, float gap, const char* label) {
  auto& v = P.v;
  const float x = v.XI2 + gap, y = v.YI1;
  drawAnswerBox(P, boxes, k, x, y, label ? std::string(label) : CircledNumber(k));
  v.XI2 = v.X;
  (v.*boxes.xs)(k) = x;
  (v.*boxes.ys)(k) = y;
}

void FillAnswerBox(Program& P, const AnswerBoxes& boxes, int k) {
  const char* answer = answerOf(boxes, k).text;
  drawAnswerBox(P, boxes, k, (P.v.*boxes.xs)(k), (P.v.*boxes.ys)(k), answer);
}

void RevealAnswers(Program& P, const AnswerBoxes& boxes) {
  for (int k = 1; k <= static_cast<int>(boxes.answers.size()); ++k) {
    shell::WaitAnyKey(P);
    FillAnswerBox(P, boxes, k);
  }
}

void TextBox(Program& P, float x, float y, float width, float height, BoxColours c, const std::string& text) {
  setBox(P, x, y, width, height, c);
  P.v.A_s = text;
  mathtext::DrawTextBox(P);
}

void TextBoxOnLine(Program& P, float x, float width, float height, BoxColours c, const std::string& text) {
  TextBox(P, x, P.v.YI1, width, height, c, text);
  P.v.XI2 = P.v.X;
  P.v.YI1 = P.v.Y;
}

}  // namespace kit
