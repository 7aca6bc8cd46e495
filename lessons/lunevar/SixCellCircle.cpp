// The circle figure of items 4 and 5 (see SixCellCircle.h).
#include "kit/Points.h"
#include "lunevar/SixCellCircle.h"

#include "kit/Marks.h"

namespace lunevar {

void DrawSixCellCircle(Program& P, std::span<const FigurePoint> points) {
  auto& v = P.v;
  kit::GridPaper(P, 760, 100, 6, 6, 15, 70);
  kit::GridPoint(P, 0, 3, 3);
  for (const FigurePoint& p : points)
    kit::PointAtDegrees(P, p.index, 0, 3 * v.SIZE + p.offCircle, p.degrees);
  kit::DrawCircle(P, 0, 3 * v.SIZE, 0);
}

}  // namespace lunevar
