// The fraction library: reduce, gcd and lcm, add fractions, written in the fraction markup.
// No screen calls it; every program carries it.
#pragma once

#include "shell/Program.h"

namespace mathtext {

using shell::Program;

void ReduceFraction(Program& P);
void GcdLcm(Program& P);
void AddFractions(Program& P);
float FloorRemainder(Program& P, float a, float b);

}  // namespace mathtext
