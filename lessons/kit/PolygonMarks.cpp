// Polygons and the marks on their sides (see PolygonMarks.h).
#include "kit/PolygonMarks.h"

#include "figures/Marks.h"
#include "geometry/Lines.h"

namespace kit {

void LetteredPolygon(Program& P, std::initializer_list<int> points, float width, float colour, float gap,
                     const std::string& firstLetter) {
  auto& v = P.v;
  int i = 1;
  for (int p : points) {
    v.G_a(i, 1) = v.X_a(p);
    v.G_a(i, 2) = v.Y_a(p);
    ++i;
  }
  v.SIZE1 = width; v.CCC2 = colour; v.KAKU = static_cast<float>(points.size()); v.NAGASA = gap;
  v.AAA_s = firstLetter;
  figures::DrawPolygon(P);
}

void PerpendicularFoot(Program& P, int at, int a, int b, int c) {
  auto& v = P.v;
  v.AX = v.X_a(a); v.AY = v.Y_a(a);
  v.BX = v.X_a(b); v.BY = v.Y_a(b);
  v.CX = v.X_a(c); v.CY = v.Y_a(c);
  geometry::FootOfPerpendicular(P);
  v.X_a(at) = v.EX;
  v.Y_a(at) = v.EY;
}

void SideSign(Program& P, int from, int to, float side, float height, float spacing, float colour,
              const std::string& label) {
  auto& v = P.v;
  v.A = static_cast<float>(from); v.B = static_cast<float>(to);
  v.ZX0 = v.X_a(from); v.ZY0 = v.Y_a(from);
  v.ZX1 = v.X_a(to); v.ZY1 = v.Y_a(to);
  v.HOUKOU = side; v.TAKASA = height; v.HABA = spacing; v.CCC2 = colour;
  v.AAA_s = label;
  figures::DrawArcMark(P);
}

}  // namespace kit
