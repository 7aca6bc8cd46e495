// A screen's text written as a table of pieces, as its steps reveal them: each piece on a new
// line or continuing the line, the arc signs over letters, the draw width where the text changes
// it, answer boxes on the line, and the key waits between the steps. The boxes come from an
// answer table (Boxes.h), so the screen that reveals the answers reads the same table.
#pragma once

#include <span>

#include "kit/Boxes.h"
#include "platform/Arr.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

enum class PieceKind { Text, ArcSign, DrawWidth, KeyWait, AnswerBox };

// x of a piece that continues the current line where its last piece ended (XI2, YI1).
constexpr float kOnLine = -1;

struct TextPiece {
  float x;            // a new line's left edge, or kOnLine
  float step;         // a new line's distance below YI1
  float colour;       // the text's colour (CCC1), or the arc sign's (CCC2)
  const char* text;   // an empty text only moves the cursor
  PieceKind kind = PieceKind::Text;
  float width = 0;    // a DrawWidth piece: the width it sets
  float gap = 0;      // a piece on the line, or an answer box: its distance after XI2
  int box = 0;        // an AnswerBox piece: its number in the answer table (1-based)
};

// The arc sign over the two letters that follow at the cursor, in `colour`.
constexpr TextPiece ArcSignPiece(float colour) { return {kOnLine, 0, colour, "", PieceKind::ArcSign}; }
// The draw width from here on (the arc signs' dots take it).
constexpr TextPiece DrawWidthPiece(float width) { return {0, 0, 0, "", PieceKind::DrawWidth, width}; }
// A key wait between two steps of the screen.
constexpr TextPiece kKeyWait{0, 0, 0, "", PieceKind::KeyWait};
// A text at x on a new line `step` below the line before.
constexpr TextPiece NewLine(float x, float step, float colour, const char* text) { return {x, step, colour, text}; }
// A text `gap` after the line's last piece.
constexpr TextPiece SameLine(float gap, float colour, const char* text) {
  return {kOnLine, 0, colour, text, PieceKind::Text, 0, gap};
}
// Answer box n of the table, with its circled number, `gap` after the line's last piece.
constexpr TextPiece BoxOnLine(int n, float gap = 10) {
  return {kOnLine, 0, 0, "", PieceKind::AnswerBox, 0, gap, n};
}

// The arc sign, with no label, over the letters `width` across that start at the cursor (XI2,
// YI1), in colour. Writes AAA$ = "", CCC1 = 5 and what ArcSignOverLetters writes.
void UnlabelledArcSign(Program& P, float colour, float width = 54);

// Each piece in turn. A text writes CCC1, X, Y, AA$ and leaves XI2 = X, YI1 = Y (TextOnNewLine,
// TextOnLine); an arc sign writes as UnlabelledArcSign; a key wait is WaitAnyKey. No answer boxes.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces);
// The same with answer boxes `height` high from the answer table, their places kept in xs(n),
// ys(n); a box writes as NumberedAnswerBox.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, std::span<const Answer> answers, float height,
                    platform::Arr<float>& xs, platform::Arr<float>& ys);

}  // namespace kit
