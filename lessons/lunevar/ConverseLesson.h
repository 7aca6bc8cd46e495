// Menu item 6, the converse of the inscribed-angle theorem: goal, sub-menu, the set-square
// search, P on, inside and outside the circle, the converse itself, and two worked answers.
#pragma once

#include <span>

#include "kit/Marks.h"
#include "kit/Points.h"
#include "lunevar/Lunevar.h"

namespace lunevar {

Screen ConverseLessonStart(Program& P);
void ConverseGoalText(Program& P);
Screen ConverseSubMenu(Program& P);

Screen SetSquareSearch(Program& P);
void DrawSetSquare(Program& P);
void DrawPointsAB(Program& P);

Screen PositionCases(Program& P);

Screen ConverseTheorem(Program& P);
void DrawConverseFigure(Program& P);
void DrawDiameterFigure(Program& P);

Screen ConverseExerciseAnswers(Program& P);
Screen ConversePracticeAnswer(Program& P);

// What the item's screens share.

// The figure's centre at grid (gx, gy) and its circle's radius R1 in cells.
using kit::CentreAndRadius;

// A point `cells` grid cells from point `from` at `degrees`.
struct PlacedPoint {
  int index, from;
  float cells, degrees;
};
void PlacePoints(Program& P, std::span<const PlacedPoint> points);

// Segments drawn in the order listed; a {0, 0} row is no segment.
struct Segment {
  int from, to;
};
void DrawSegmentList(Program& P, std::span<const Segment> segments);

// A figure's letters: kit::Letter rows, drawn by kit::DrawLetters.
using kit::DrawLetters;
using kit::Letter;

// The line through A (point `a`) level across the whole figure frame, x GX1 to GX2, colour 0.
void LineAcrossFrame(Program& P, int a);

}  // namespace lunevar
