// A screen's text written as a table of pieces, as its steps reveal them: each piece on a new
// line or continuing the line, the arc signs over letters, the draw width where the text changes
// it, and the key waits between the steps.
#pragma once

#include <span>

#include "shell/Program.h"

namespace kit {

using shell::Program;

enum class PieceKind { Text, ArcSign, DrawWidth, KeyWait };

// x of a piece that continues the current line where its last piece ended (XI2, YI1).
constexpr float kOnLine = -1;

struct TextPiece {
  float x;            // a new line's left edge, or kOnLine
  float step;         // a new line's distance below YI1
  float colour;       // the text's colour (CCC1), or the arc sign's (CCC2)
  const char* text;   // an empty text only moves the cursor
  PieceKind kind = PieceKind::Text;
  float width = 0;    // a DrawWidth piece: the width it sets
};

// The arc sign over the two letters that follow at the cursor, in `colour`.
constexpr TextPiece ArcSignPiece(float colour) { return {kOnLine, 0, colour, "", PieceKind::ArcSign}; }
// The draw width from here on (the arc signs' dots take it).
constexpr TextPiece DrawWidthPiece(float width) { return {0, 0, 0, "", PieceKind::DrawWidth, width}; }
// A key wait between two steps of the screen.
constexpr TextPiece kKeyWait{0, 0, 0, "", PieceKind::KeyWait};

// The arc sign, with no label, over the letters `width` across that start at the cursor (XI2,
// YI1), in colour. Writes AAA$ = "", CCC1 = 5 and what ArcSignOverLetters writes.
void UnlabelledArcSign(Program& P, float colour, float width = 54);

// Each piece in turn. A text writes CCC1, X, Y, AA$ and leaves XI2 = X, YI1 = Y (TextOnNewLine,
// TextOnLine); an arc sign writes as UnlabelledArcSign; a key wait is WaitAnyKey.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces);

}  // namespace kit
