// Factorisation by trial division over the primes 2 to 23: each prime found with its
// exponent in G(), the cofactor left over in G(10, 1).
#include <cmath>

#include "geometry/Numbers.h"
#include "platform/Number.h"

namespace geometry {

using platform::clng;
using platform::fdiv;

namespace {

constexpr float kPrimes[10] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
// R(10) = 29 is in the table but never tried: the search stops on reaching slot 10.
constexpr float kPastLastTried = 10;

}  // namespace

void FactorIntoPrimes(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  for (int k = 1; k <= 10; ++k) {
    v.G_a(k, 1) = 0;
    v.G_a(k, 2) = 0;
  }
  for (int k = 1; k <= 10; ++k) v.R_a(k) = kPrimes[k - 1];
  v.SOSU = std::fabs(v.SOSU);
  v.SOSU1 = v.SOSU;
  v.Q = 1;
  // Every prime divides 0 (and a number that rounds to 0) again and again: nothing to find.
  v.P = clng(v.SOSU) == 0 ? kPastLastTried : 1;
  for (;;) {
    if (v.P == kPastLastTried) {
      v.Q = v.Q - 1;
      v.G_a(10, 1) = v.SOSU;
      v.G_a(10, 2) = 1;
      v.SOSU = v.SOSU1;
      return;
    }
    float prime = v.R_a(v.P);
    if (clng(v.SOSU) % clng(prime) == 0) {
      v.G_a(v.Q, 1) = prime;
      v.G_a(v.Q, 2) = v.G_a(v.Q, 2) + 1;
      v.SOSU = fdiv(v.SOSU, prime);
    } else if (v.G_a(v.Q, 1) != 0) {
      v.Q = v.Q + 1;
      v.P = v.P + 1;
    } else {
      v.P = v.P + 1;
    }
  }
}

}  // namespace geometry
