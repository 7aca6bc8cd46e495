// Number routines: square-root simplification, divisor pairs, prime factors and the factor
// ladder.
#pragma once

#include "shell/Program.h"

namespace geometry {

using shell::Program;

void SimplifySquareRoot(Program& P);
void ListDivisorPairs(Program& P);
void FactorIntoPrimes(Program& P);
void ShowFactorLadder(Program& P);

}  // namespace geometry
