// Pendrel's own figure steps (see FigureSteps.h).
#include "pendrel/FigureSteps.h"

#include "kit/Marks.h"
#include "kit/Points.h"

namespace pendrel {

void PathViaABC(Program& P, int a, int b, int c, kit::PathKind kind) {
  auto& v = P.v;
  v.A = static_cast<float>(a);
  v.B = static_cast<float>(b);
  v.C = static_cast<float>(c);
  kit::DrawPath(P, {a, b, c}, 0, kind);
}

void SegmentViaMN(Program& P, int m, int n, float colour) {
  P.v.M = static_cast<float>(m);
  P.v.N = static_cast<float>(n);
  kit::DrawSegment(P, m, n, colour);
}

void TickAcrossCircle(Program& P, int outer, float degrees) {
  kit::PointAtDegrees(P, outer, 0, P.v.R1 + 15, degrees);
  kit::PointAtDegrees(P, outer + 1, 0, P.v.R1 - 15, degrees);
  SegmentViaMN(P, outer, outer + 1, 3);
}

void RightAngleViaN123(Program& P, int n1, int n2, int n3, float side, float length, float colour) {
  auto& v = P.v;
  v.N1 = static_cast<float>(n1);
  v.N2 = static_cast<float>(n2);
  v.N3 = static_cast<float>(n3);
  kit::DrawCornerOnSide(P, n1, n2, n3, length, colour, side);
}

void DrawMarkViaABC(Program& P, const Mark& m) {
  kit::AngleMarkViaABC(P, {.vertex = m.vertex, .arm1 = m.arm1, .arm2 = m.arm2, .length = m.length, .count = m.count,
                           .side = 1, .textColour = m.labelColour, .line = 0, .fill = m.fill, .label = m.label,
                           .labelDx = 0, .labelDy = 0});
}

void DrawMarksViaABC(Program& P, std::span<const Mark> marks) {
  for (const Mark& m : marks) DrawMarkViaABC(P, m);
}

}  // namespace pendrel
