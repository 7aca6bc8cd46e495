// A screen's text written as a table (see TextPieces.h).
#include "kit/TextPieces.h"

#include "kit/Text.h"
#include "platform/Errors.h"
#include "shell/Waits.h"

namespace kit {

namespace {

void drawPieces(Program& P, std::span<const TextPiece> pieces, std::span<const Answer> answers, float height,
                platform::Arr<float>* xs, platform::Arr<float>* ys) {
  for (const TextPiece& p : pieces) {
    switch (p.kind) {
      case TextPiece::NewLine: TextOnNewLine(P, p.at, p.step, p.text, p.colour); break;
      case TextPiece::OnLine: TextOnLine(P, p.at, p.text, p.colour); break;
      case TextPiece::Box:
        if (!xs || p.box < 1 || static_cast<size_t>(p.box) > answers.size()) {
          platform::raise(platform::IllegalFunctionCall);
        }
        NumberedAnswerBox(P, answers, p.box, p.at, height, *xs, *ys);
        break;
      case TextPiece::Wait: shell::WaitAnyKey(P); break;
    }
  }
}

}  // namespace

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, std::span<const Answer> answers, float height,
                    platform::Arr<float>& xs, platform::Arr<float>& ys) {
  drawPieces(P, pieces, answers, height, &xs, &ys);
}

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces) { drawPieces(P, pieces, {}, 0, nullptr, nullptr); }

}  // namespace kit
