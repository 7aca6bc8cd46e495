// The circle figure of items 4 and 5 (see CircleFigure.h).
#include "lunevar/CircleFigure.h"

#include "kit/Figures.h"

namespace lunevar {

void DrawCircleFigure(Program& P, std::span<const CirclePoint> points) {
  auto& v = P.v;
  kit::GridPaper(P, 760, 100, 6, 6, 15, 70);
  kit::GridPoint(P, 0, 3, 3);
  for (const CirclePoint& p : points)
    kit::PointOnCircle(P, p.index, 0, 3 * v.SIZE + p.offCircle, p.degrees * v.PI / 180);
  kit::DrawCircle(P, 0, 3 * v.SIZE, 0);
}

}  // namespace lunevar
