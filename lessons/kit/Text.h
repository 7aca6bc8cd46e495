// Lesson text: the page opened and cleared, text at the screens' text cursor, lines that start
// at a given place, and a screen's text written as a table of pieces as its steps reveal it.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "kit/Answers.h"
#include "shell/Program.h"

namespace kit {

using shell::Program;
using shell::Screen;

// ---- The page: cleared as the lesson screens clear it, and a lesson page opened with its text
// cursor and heading.

// The whole page, and what lies below it where texts are measured. Reads and leaves no variable.
void ClearWholePage(Program& P);
// The box from (x1, y1) to (x2, y2), outline and fill in the page colour. Reads and leaves no variable.
void EraseBox(Program& P, float x1, float y1, float x2, float y2);

// A page opening's XI0 or XI1 that stays as it was.
constexpr float kLeaveColumn = -1;
// How a lesson page opens.
struct PageOpening {
  float numbers = kLeaveColumn;    // XI0, the number column
  float margin = kLeaveColumn;     // XI1, the text's margin
  float top = 30;                  // YI1, the first line
  const char* heading = nullptr;   // the first line's text, if any
  float colour = 3;                // the heading's colour
  bool headingAtNumbers = false;   // the heading at XI0 rather than at the margin
  float drawWidth = 5;             // 0 leaves the draw width as it was
};
// The whole page cleared, XI0 and XI1 set where given, YI1 = top, the draw width set, then the
// heading as TextOnNewLine writes it (CCC1, X, Y, AA$; XI2 = X).
void OpenPage(Program& P, const PageOpening& page);

// ---- Text at the screens' text cursor: the cursor is the shared XI1 (left margin), YI1 (the
// current line's y) and XI2 (where the line's last text or box ended), exactly as the lessons keep it.

// Sets the margin and the line: XI1 = x, YI1 = y. Leaves XI2 alone.
void TextCursorAt(Program& P, float x, float y);
// Text at (x, YI1 + step) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y.
void TextOnNewLine(Program& P, float x, float step, const std::string& text, float colour);
// Text at (XI2 + gap, YI1) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y.
void TextOnLine(Program& P, float gap, const std::string& text, float colour);
// Text at (x, y) in colour. Writes CCC1, X, Y, AA$; the cursor stays where it was.
void TextAt(Program& P, float x, float y, const std::string& text, float colour);
// Text where the last text ended (the pen X, Y). Writes CCC1, AA$, X; the cursor stays.
void TextAtPen(Program& P, const std::string& text, float colour);
// "<めあて>" at (44, 240) in colour 3 and the sentence 65 lower in colour 0. Leaves XI1 = 44,
// YI1 = 305, XI2 = the pen after the sentence, CCC1 = 0.
void DrawGoalText(Program& P, const std::string& sentence);

// ---- Text that starts a line of its own at a given place: the text cursor moves to it, so the
// pieces that follow continue that line.

// Text at (x, y) in colour. Writes CCC1, X, Y, AA$; leaves XI2 = X, YI1 = Y (XI1 stays).
void TextLineAt(Program& P, float x, float y, const std::string& text, float colour);
// An empty line `step` below the current one: YI1 += step, XI2 = XI1; nothing is drawn.
void EmptyLine(Program& P, float step);

// ---- A screen's text written as a table of pieces, as its steps reveal them: each piece on a
// new line or continuing the line, the arc signs over letters, the draw width where the text
// changes it, answer boxes on the line, the figure's steps where the text reaches them, and the
// key waits between the steps. The boxes come from an answer table (Answers.h), so the screen
// that reveals the answers reads the same table.

enum class PieceKind { Text, ArcSign, DrawWidth, KeyWait, AnswerBox, Figure, EmptyLine };
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
// The arc sign over the two letters that start `text`, then `text` right after the line's last
// piece, both in `colour` ("AB=" under its arc sign).
constexpr TextPiece ArcSignedText(float colour, const char* text) { return {0, 0, colour, text, PieceKind::ArcSign}; }
// The draw width from here on (the arc signs' dots take it).
constexpr TextPiece DrawWidthPiece(float width) { return {0, 0, 0, "", PieceKind::DrawWidth, From::Page, width}; }
// An empty line `step` below the line before (EmptyLine), so the next piece on the line starts at
// the margin.
constexpr TextPiece EmptyLinePiece(float step) { return {0, step, 0, "", PieceKind::EmptyLine}; }
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

// Each piece in turn. A text writes CCC1, X, Y, AA$ and leaves XI2 = X, YI1 = Y (TextOnNewLine,
// TextOnLine); an arc-signed text writes as UnlabelledArcSign (Marks.h), then as TextOnLine; a
// key wait is WaitAnyKey; an empty line writes as EmptyLine; a figure step writes what it draws.
// No answer boxes.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces);
void DrawTextPieces(Program& P, std::initializer_list<TextPiece> pieces);
// The same with the answer boxes of the table; a box writes as EmptyAnswerBox.
void DrawTextPieces(Program& P, std::span<const TextPiece> pieces, const AnswerBoxes& boxes);

}  // namespace kit
