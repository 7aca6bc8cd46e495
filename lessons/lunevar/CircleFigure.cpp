// The figure the proofs and practice of items 2 and 3 start from (see CircleFigure.h).
#include "lunevar/CircleFigure.h"

#include "kit/Marks.h"
#include "kit/Points.h"

namespace lunevar {

void InscribedAngleFigure(Program& P, float left, float top, int o, std::span<const DirectedPoint> points) {
  kit::GridPaper(P, left, top, 16, 16, 15, 30);
  kit::GridPoint(P, o, 8, 8);
  P.pf.setDrawWidth(5);
  P.v.R1 = 7 * P.v.SIZE;
  PlaceKeepingDirections(P, o, points);
  int a = points[0].index, b = points[1].index, p = points[2].index;
  kit::DrawDot(P, o, 3, 0);
  kit::DrawCircle(P, o, P.v.R1, 0);
  kit::DrawSegment(P, a, p, 0);
  kit::DrawSegment(P, b, p, 0);
  kit::DrawSegment(P, a, o, 0);
  kit::DrawSegment(P, b, o, 0);
  kit::LabelVertex(P, a, b, o, "A", 0, 8, -1);
  kit::LabelVertex(P, b, o, a, "B", 0, 8, -1);
}

}  // namespace lunevar
