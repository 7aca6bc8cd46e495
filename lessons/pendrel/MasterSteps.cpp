// The steps of the second set's answers (see MasterSteps.h).
#include "pendrel/MasterSteps.h"

#include "kit/Figures.h"

namespace pendrel {

void CircleOnGrid(Program& P, const Grid& g, float cx, float cy, float radius) {
  kit::GridPaper(P, g.left, g.top, g.columns, g.rows, 15, g.size);
  kit::GridPoint(P, 0, cx, cy);
  P.v.R1 = radius * P.v.SIZE;
}

void DrawCircleO(Program& P, float dx, float dy) {
  kit::DrawCircle(P, 0, P.v.R1, 0);
  kit::DrawDot(P, 0, 6, 0);
  kit::LetterAt(P, 0, dx, dy, "O", 0);
}

void ArcSign(Program& P, float width) {
  P.pf.setDrawWidth(3);
  kit::ArcSignOverLetters(P, width, 0);
  P.pf.setDrawWidth(5);
}

void DrawMark(Program& P, const Mark& m) {
  AngleMark(P, {.vertex = m.vertex, .arm1 = m.arm1, .arm2 = m.arm2, .length = m.length, .count = m.count,
                .side = 1, .textColour = m.labelColour, .line = 0, .fill = m.fill, .label = m.label,
                .labelDx = 0, .labelDy = 0});
}

void DrawMarks(Program& P, std::span<const Mark> marks) {
  for (const Mark& m : marks) DrawMark(P, m);
}

}  // namespace pendrel
