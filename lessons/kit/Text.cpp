// Lesson text (see Text.h). Every text call renders through the math text renderer and keeps no
// state of its own.
#include "kit/Text.h"

#include "kit/Marks.h"
#include "mathtext/MathText.h"
#include "platform/Errors.h"
#include "shell/Waits.h"

namespace kit {

void ClearWholePage(Program& P) { EraseBox(P, 0, 0, 1760, 1800); }

void EraseBox(Program& P, float x1, float y1, float x2, float y2) { P.pf.fillBox(x1, y1, x2, y2, 15, 15); }

void OpenPage(Program& P, const PageOpening& page) {
  auto& v = P.v;
  ClearWholePage(P);
  if (page.numbers != kLeaveColumn) v.XI0 = page.numbers;
  if (page.margin != kLeaveColumn) v.XI1 = page.margin;
  v.YI1 = page.top;
  if (page.drawWidth != 0) P.pf.setDrawWidth(static_cast<int>(page.drawWidth));
  if (page.heading) TextOnNewLine(P, page.headingAtNumbers ? v.XI0 : v.XI1, 0, page.heading, page.colour);
}

void TextCursorAt(Program& P, float x, float y) {
  P.v.XI1 = x;
  P.v.YI1 = y;
}

void TextAt(Program& P, float x, float y, const std::string& text, float colour) {
  auto& v = P.v;
  v.CCC1 = colour;
  v.X = x;
  v.Y = y;
  v.AA_s = text;
  mathtext::RenderMathText(P);
}

void TextOnNewLine(Program& P, float x, float step, const std::string& text, float colour) {
  auto& v = P.v;
  TextAt(P, x, v.YI1 + step, text, colour);
  v.XI2 = v.X;
  v.YI1 = v.Y;
}

void TextOnLine(Program& P, float gap, const std::string& text, float colour) {
  auto& v = P.v;
  TextAt(P, v.XI2 + gap, v.YI1, text, colour);
  v.XI2 = v.X;
  v.YI1 = v.Y;
}

void TextAtPen(Program& P, const std::string& text, float colour) {
  auto& v = P.v;
  v.CCC1 = colour;
  v.AA_s = text;
  mathtext::RenderMathText(P);
}

void DrawGoalText(Program& P, const std::string& sentence) {
  shell::Routine r(P);
  TextCursorAt(P, 44, 240);
  TextOnNewLine(P, P.v.XI1, 0, "<めあて>", 3);
  TextOnNewLine(P, P.v.XI1, 65, sentence, 0);
}

void TextLineAt(Program& P, float x, float y, const std::string& text, float colour) {
  TextAt(P, x, y, text, colour);
  P.v.XI2 = P.v.X;
  P.v.YI1 = P.v.Y;
}

void EmptyLine(Program& P, float step) {
  P.v.YI1 += step;
  P.v.XI2 = P.v.XI1;
}

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
      case PieceKind::ArcSign:
        UnlabelledArcSign(P, piece.colour);
        TextOnLine(P, 0, piece.text, piece.colour);
        break;
      case PieceKind::Text: drawText(P, piece); break;
      case PieceKind::Figure: piece.figure(P); break;
      case PieceKind::EmptyLine: EmptyLine(P, piece.step); break;
      case PieceKind::AnswerBox:
        // A table whose boxes have no answers is a fault of the screen.
        if (!boxes) platform::raise(platform::IllegalFunctionCall);
        EmptyAnswerBox(P, *boxes, piece.box, piece.x, *piece.text ? piece.text : nullptr);
        break;
    }
  }
}

}  // namespace

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces) { drawPieces(P, pieces, nullptr); }

void DrawTextPieces(Program& P, std::initializer_list<TextPiece> pieces) {
  drawPieces(P, {pieces.begin(), pieces.size()}, nullptr);
}

void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, const AnswerBoxes& boxes) {
  drawPieces(P, pieces, &boxes);
}

}  // namespace kit
