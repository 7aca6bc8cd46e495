// A screen's text as a table of pieces (see TextPieces.h).
#include "kit/TextPieces.h"

#include "kit/Figures.h"
#include "kit/Text.h"
#include "platform/Errors.h"
#include "shell/Waits.h"

namespace kit {

namespace {

struct BoxPlaces {
  std::span<const Answer> answers;
  float height;
  platform::Arr<float>* xs;
  platform::Arr<float>* ys;
};

void drawPieces(Program& P, std::span<const TextPiece> pieces, const BoxPlaces& boxes) {
  for (const TextPiece& piece : pieces) {
    switch (piece.kind) {
      case PieceKind::KeyWait:
        shell::WaitAnyKey(P);
        break;
      case PieceKind::DrawWidth:
        P.pf.setDrawWidth(static_cast<int>(piece.width));
        break;
      case PieceKind::ArcSign:
        UnlabelledArcSign(P, piece.colour);
        break;
      case PieceKind::Text:
        if (piece.x == kOnLine)
          TextOnLine(P, piece.gap, piece.text, piece.colour);
        else
          TextOnNewLine(P, piece.x, piece.step, piece.text, piece.colour);
        break;
      case PieceKind::AnswerBox:
        // A table whose boxes have no answers, or no place to keep them, is a fault of the screen.
        if (!boxes.xs || piece.box < 1 || static_cast<size_t>(piece.box) > boxes.answers.size()) {
          platform::raise(platform::IllegalFunctionCall);
        }
        NumberedAnswerBox(P, boxes.answers, piece.box, piece.gap, boxes.height, *boxes.xs, *boxes.ys);
        break;
    }
  }
}

}  // namespace

void UnlabelledArcSign(Program& P, float colour, float width) {
  P.v.AAA_s.clear();
  P.v.CCC1 = 5;
  ArcSignOverLetters(P, width, colour);
}

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces) { drawPieces(P, pieces, {{}, 0, nullptr, nullptr}); }

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, std::span<const Answer> answers, float height,
                    platform::Arr<float>& xs, platform::Arr<float>& ys) {
  drawPieces(P, pieces, {answers, height, &xs, &ys});
}

}  // namespace kit
