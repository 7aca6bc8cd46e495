// Where circles meet: the radical axis of two circles as a line A*x + B*y + C = 0, and the
// two points where such a line cuts the first circle.
#include <algorithm>
#include <cmath>

#include "geometry/Lines.h"
#include "platform/Errors.h"
#include "platform/Number.h"

namespace geometry {

using platform::chk;
using platform::fdiv;

void RadicalAxis(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.A = chk(2 * (v.X2 - v.X1));
  v.B = chk(2 * (v.Y2 - v.Y1));
  // Sums times differences rather than squares: fewer digits lost for nearby circles.
  v.C = chk((v.X1 + v.X2) * (v.X1 - v.X2) + (v.Y1 + v.Y2) * (v.Y1 - v.Y2) + (v.RR1 + v.RR2) * (v.RR2 - v.RR1));
}

namespace {

// A tangent line computed in floats can leave the radicand a little below zero: by a few units
// of the last place of its larger term, or by what D's own rounding (a few units of the last
// place of the terms whose sum made it) does to D squared, about |D| times those terms. Anything
// further below means the line misses the circle (the terms squared would be far too loose a
// bound for a small circle far from the origin, and let a line at half again its radius pass).
constexpr double kTangentSlack = 1e-5;

}  // namespace

void CircleLineIntersection(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.D = chk(-(v.A * v.X1 + v.B * v.Y1 + v.C));
  float n = chk(v.A * v.A + v.B * v.B);
  if (n == 0) platform::raise(platform::IllegalFunctionCall);
  float reach = chk(v.RR1 * v.RR1 * n);
  float dd = chk(v.D * v.D);
  float radicand = reach - dd;
  if (radicand < 0) {
    double terms = std::fabs(double(v.A) * v.X1) + std::fabs(double(v.B) * v.Y1) + std::fabs(v.C);
    double scale = std::max({double(reach), double(dd), std::fabs(double(v.D)) * terms});
    if (-radicand > kTangentSlack * scale) platform::raise(platform::IllegalFunctionCall);
    radicand = 0;
  }
  float s = std::sqrt(radicand);
  // The first point is the foot of the perpendicular plus (B, -A) * S / N, the second minus it.
  v.X3 = chk(v.X1 + fdiv(v.A * v.D + v.B * s, n));
  v.Y3 = chk(v.Y1 + fdiv(v.B * v.D - v.A * s, n));
  v.X4 = chk(v.X1 + fdiv(v.A * v.D - v.B * s, n));
  v.Y4 = chk(v.Y1 + fdiv(v.B * v.D + v.A * s, n));
}

}  // namespace geometry
