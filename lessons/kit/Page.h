// Clearing the page as the lesson screens do: the whole page, or one box of it, painted over
// in the page colour; and a lesson page opened with its text cursor and heading.
#pragma once

#include "shell/Program.h"

namespace kit {

using shell::Program;
using shell::Screen;

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

}  // namespace kit
