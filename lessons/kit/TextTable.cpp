// A screen's text as a table of pieces (see TextTable.h).
#include "kit/TextTable.h"

#include "kit/Figures.h"
#include "kit/Text.h"
#include "platform/Errors.h"
#include "shell/Waits.h"

namespace kit {

namespace {

void drawText(Program& P, const TextPiece& piece) {
  auto& v = P.v;
  switch (piece.from) {
    case From::LineEnd: TextOnLine(P, piece.x, piece.text, piece.colour); break;
    case From::Page: TextOnNewLine(P, piece.x, piece.step, piece.text, piece.colour); break;
    case From::Numbers: TextOnNewLine(P, v.XI0 + piece.x, piece.step, piece.text, piece.colour); break;
    case From::Margin: TextOnNewLine(P, v.XI1 + piece.x, piece.step, piece.text, piece.colour); break;
  }
}

void drawPieces(Program& P, std::span<const TextPiece> pieces, const AnswerBoxes* boxes) {
  for (const TextPiece& piece : pieces) {
    switch (piece.kind) {
      case PieceKind::KeyWait: shell::WaitAnyKey(P); break;
      case PieceKind::DrawWidth: P.pf.setDrawWidth(static_cast<int>(piece.width)); break;
      case PieceKind::ArcSign: UnlabelledArcSign(P, piece.colour); break;
      case PieceKind::Text: drawText(P, piece); break;
      case PieceKind::Figure: piece.figure(P); break;
      case PieceKind::AnswerBox:
        // A table whose boxes have no answers is a fault of the screen.
        if (!boxes) platform::raise(platform::IllegalFunctionCall);
        EmptyAnswerBox(P, *boxes, piece.box, piece.x, *piece.text ? piece.text : nullptr);
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

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces) { drawPieces(P, pieces, nullptr); }

void DrawTextPieces(Program& P, std::initializer_list<TextPiece> pieces) {
  drawPieces(P, {pieces.begin(), pieces.size()}, nullptr);
}

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, const AnswerBoxes& boxes) {
  drawPieces(P, pieces, &boxes);
}

}  // namespace kit
