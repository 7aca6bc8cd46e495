// A screen's text written as a table of pieces, as its steps reveal them: each piece on a new
// line or continuing the line, the arc signs over letters, the draw width where the text changes
// it, answer boxes on the line, the figure's steps where the text reaches them, and the key waits
// between the steps. The boxes come from an answer table (Boxes.h), so the screen that reveals
// the answers reads the same table.
#pragma once

#include <initializer_list>
#include <span>

#include "kit/Boxes.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

enum class PieceKind { Text, ArcSign, DrawWidth, KeyWait, AnswerBox, Figure };
// Where a text piece's x is measured from: the page's left edge, the number column XI0, the
// margin XI1, or (a piece that continues the line) the end of the line's last piece XI2.
enum class From { Page, Numbers, Margin, LineEnd };
using FigureStep = void (*)(Program&);

struct TextPiece {
  float x;            // a new line's left edge (from the page, XI0 or XI1), or the gap after XI2
  float step;         // a new line's distance below YI1
  float colour;       // the text's colour (CCC1), or the arc sign's (CCC2)
  const char* text;   // an empty text only moves the cursor; an answer box's label
  PieceKind kind = PieceKind::Text;
  From from = From::Page;
  float width = 0;    // a DrawWidth piece: the width it sets
  int box = 0;        // an AnswerBox piece: its number in the answer table (1-based)
  FigureStep figure = nullptr;
};

// A text at x on a new line `step` below the line before.
constexpr TextPiece NewLine(float x, float step, float colour, const char* text) { return {x, step, colour, text}; }
// A text on a new line `step` below the line before, at the number column XI0.
constexpr TextPiece AtNumbers(float step, float colour, const char* text) {
  return {0, step, colour, text, PieceKind::Text, From::Numbers};
}
// A text on a new line `step` below the line before, `indent` right of the margin XI1.
constexpr TextPiece AtMargin(float step, float colour, const char* text, float indent = 0) {
  return {indent, step, colour, text, PieceKind::Text, From::Margin};
}
// A text `gap` after the line's last piece.
constexpr TextPiece SameLine(float gap, float colour, const char* text) {
  return {gap, 0, colour, text, PieceKind::Text, From::LineEnd};
}
// The arc sign over the two letters that follow at the cursor, in `colour`.
constexpr TextPiece ArcSignPiece(float colour) { return {0, 0, colour, "", PieceKind::ArcSign}; }
// The draw width from here on (the arc signs' dots take it).
constexpr TextPiece DrawWidthPiece(float width) { return {0, 0, 0, "", PieceKind::DrawWidth, From::Page, width}; }
// A key wait between two steps of the screen.
constexpr TextPiece kKeyWait{0, 0, 0, "", PieceKind::KeyWait};
// Answer box n of the table, labelled (with its circled number where the label is empty), `gap`
// after the line's last piece.
constexpr TextPiece BoxOnLine(int n, float gap = 10, const char* label = "") {
  return {gap, 0, 0, label, PieceKind::AnswerBox, From::LineEnd, 0, n};
}
// A step of the figure, drawn where the text has reached.
constexpr TextPiece FigurePiece(FigureStep step) {
  return {0, 0, 0, "", PieceKind::Figure, From::Page, 0, 0, step};
}

// The arc sign, with no label, over the letters `width` across that start at the cursor (XI2,
// YI1), in colour. Writes AAA$ = "", CCC1 = 5 and what ArcSignOverLetters writes.
void UnlabelledArcSign(Program& P, float colour, float width = 54);

// Each piece in turn. A text writes CCC1, X, Y, AA$ and leaves XI2 = X, YI1 = Y (TextOnNewLine,
// TextOnLine); an arc sign writes as UnlabelledArcSign; a key wait is WaitAnyKey; a figure step
// writes what it draws. No answer boxes.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces);
void DrawTextPieces(Program& P, std::initializer_list<TextPiece> pieces);
// The same with the answer boxes of the table; a box writes as EmptyAnswerBox.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, const AnswerBoxes& boxes);

}  // namespace kit
