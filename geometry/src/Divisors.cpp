// The divisors of a whole number with their co-divisors, in the point tables X() and Y().
#include <cmath>

#include "Counting.h"
#include "geometry/Numbers.h"
#include "platform/Number.h"

namespace geometry {

using platform::fdiv;

void ListDivisorPairs(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.DY = std::fabs(v.DY);
  v.P = 0;
  // The first pass runs before the bound is tested: 0 is listed as the pair (1, 0).
  CountUp(v.II, 1, v.DY, [&] {
    float q = fdiv(v.DY, v.II);
    if (q - platform::fint(q) != 0) return;
    v.P = v.P + 1;
    // More divisors than the point tables hold end in run-time error 9 before any write
    // past their bound.
    v.X_a(v.P) = v.II;
    v.Y_a(v.P) = q;
  });
  v.KOSUU = static_cast<float>(platform::cint(v.P / 2));
}

}  // namespace geometry
