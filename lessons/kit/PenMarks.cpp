// Marks placed from what a figure mark leaves (see PenMarks.h).
#include "kit/PenMarks.h"

#include "kit/Figures.h"
#include "platform/Page.h"

namespace kit {

void DotAtPen(Program& P, float dx, float dy, float r, float colour) {
  P.pf.circle(P.v.X + dx, P.v.Y + dy, r, static_cast<int>(colour), 0, 0, platform::kFillLineColour);
}

void DrawCornerOnSide(Program& P, int vertex, int arm1, int arm2, float length, float colour, float side) {
  P.v.ITI = side;
  DrawCorner(P, vertex, arm1, arm2, length, colour);
}

}  // namespace kit
