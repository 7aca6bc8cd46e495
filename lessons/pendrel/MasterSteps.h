// The steps the second set's answers are written in besides their text: the arc sign over
// letters of the text, points on the circle and angle marks from the answers' tables.
#pragma once

#include <span>

#include "pendrel/AnswerScreen.h"

namespace pendrel {

// The invisible grid a figure stands on: its top-left corner, cells across and down, cell size.
struct Grid {
  float left, top, columns, rows, size;
};
// The grid (DrawGrid with CCC2 = 15 draws no line), the centre O of the figure's circle in entry
// 0 at (cx, cy) grid units, and R1 = `radius` cells in page units.
void CircleOnGrid(Program& P, const Grid& g, float cx, float cy, float radius);
// The circle about O (entry 0) of radius R1 in colour 0, its centre dot and the letter "O" at
// (dx, dy) from it.
void DrawCircleO(Program& P, float dx, float dy);

// The arc sign over the letters that follow at the cursor, `width` across (54 over two letters,
// 81 over three), drawn at width 3; the draw width is 5 again after it.
void ArcSign(Program& P, float width);

// A row of an answer's table of angle marks: DrawAngleArcs at `vertex` from the arm towards
// `arm1` counter-clockwise to the arm towards `arm2`, `count` arcs (0: one filled sector with a
// colour-0 outline) in `fill`, and the label in its colour ("" for none).
struct Mark {
  int vertex, arm1, arm2;
  float length, count, fill;
  const char* label;
  float labelColour;
};
// Sets every input of the mark (ITI 1, CCC2 0, AAAX = AAAY = 0 besides the row) and draws it.
void DrawMark(Program& P, const Mark& m);
void DrawMarks(Program& P, std::span<const Mark> marks);

}  // namespace pendrel
