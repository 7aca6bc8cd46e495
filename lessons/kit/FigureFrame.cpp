// Figures laid out on an invisible grid (see FigureFrame.h).
#include "kit/FigureFrame.h"

#include "figures/Marks.h"
#include "kit/Figures.h"

namespace kit {

void FigureFrame(Program& P, float left, float top, float columns, float rows, float size) {
  GridPaper(P, left, top, columns, rows, 15, size);
}

void PlacePoint(Program& P, int m, int from, float cells, float degrees) {
  auto& v = P.v;
  PointOnCircle(P, m, from, v.SIZE * cells, degrees * v.PI / 180);
}

float DirectionTo(Program& P, int from, int to) {
  auto& v = P.v;
  v.ZX0 = v.X_a(from); v.ZY0 = v.Y_a(from);
  v.ZX1 = v.X_a(to); v.ZY1 = v.Y_a(to);
  figures::VectorAngle(P);
  return v.HHP;
}

}  // namespace kit
