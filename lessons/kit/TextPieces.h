// A screen's text written as a table: pieces on new lines or on the current line at the text
// cursor, answer boxes on the line, and key waits, taken in turn. The boxes come from an
// answer table (Boxes.h), so the screen that reveals the answers reads the same table.
#pragma once

#include <span>

#include "kit/Boxes.h"
#include "platform/Arr.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;

// One row: a text at x on a new line `step` below the line before (TextOnNewLine); a text
// `gap` after the line's last piece (TextOnLine); answer box n of the table, `gap` after it
// (NumberedAnswerBox); or a key wait.
struct TextPiece {
  enum Kind { NewLine, OnLine, Box, Wait } kind;
  float at;      // NewLine: x; OnLine and Box: gap
  float step;    // NewLine only
  float colour;  // texts only
  const char* text;
  int box;       // Box only
};
constexpr TextPiece NewLine(float x, float step, float colour, const char* text) {
  return {TextPiece::NewLine, x, step, colour, text, 0};
}
constexpr TextPiece SameLine(float gap, float colour, const char* text) {
  return {TextPiece::OnLine, gap, 0, colour, text, 0};
}
constexpr TextPiece BoxOnLine(int n, float gap = 10) { return {TextPiece::Box, gap, 0, 0, nullptr, n}; }
constexpr TextPiece KeyWait() { return {TextPiece::Wait, 0, 0, 0, nullptr, 0}; }

// The pieces in turn; answer boxes are `height` high, their places kept in xs(n), ys(n).
// Writes what TextOnNewLine, TextOnLine and NumberedAnswerBox write.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, std::span<const Answer> answers, float height,
                    platform::Arr<float>& xs, platform::Arr<float>& ys);
// Pieces without boxes. Writes what TextOnNewLine and TextOnLine write.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces);

}  // namespace kit
