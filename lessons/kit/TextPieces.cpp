// A screen's text as a table of pieces (see TextPieces.h).
#include "kit/TextPieces.h"

#include "kit/Figures.h"
#include "kit/Text.h"
#include "shell/Waits.h"

namespace kit {

void UnlabelledArcSign(Program& P, float colour, float width) {
  P.v.AAA_s.clear();
  P.v.CCC1 = 5;
  ArcSignOverLetters(P, width, colour);
}

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces) {
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
          TextOnLine(P, 0, piece.text, piece.colour);
        else
          TextOnNewLine(P, piece.x, piece.step, piece.text, piece.colour);
        break;
    }
  }
}

}  // namespace kit
