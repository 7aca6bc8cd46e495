// Figures laid out on an invisible grid (see FigureFrame.h).
#include "kit/FigureFrame.h"

#include "kit/Figures.h"

namespace kit {

void FigureFrame(Program& P, float left, float top, float columns, float rows, float size) {
  GridPaper(P, left, top, columns, rows, 15, size);
}

void PlacePoint(Program& P, int m, int from, float cells, float degrees) {
  auto& v = P.v;
  PointOnCircle(P, m, from, v.SIZE * cells, degrees * v.PI / 180);
}

void PlaceOnCircle(Program& P, int m, int centre, float radius, float degrees) {
  auto& v = P.v;
  v.M = static_cast<float>(m);
  v.A = static_cast<float>(centre);
  v.B = radius;
  v.C = degrees;
  PlacePoint(P, m, centre, v.B, v.C);
}

}  // namespace kit
