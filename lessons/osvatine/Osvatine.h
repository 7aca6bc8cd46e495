// Osvatine's own variables (the shared ones live in shell::Vars) and the program that holds them.
// Every screen reaches them through Os(P); they start at 0, like the shared ones.
#pragma once

#include "shell/Program.h"

namespace osvatine {

struct Osvatine {
  float R3{};  // radius of the 45° circle about O', in page units
  // Directions of figure points from a centre (radians), and colours the proofs pick per figure.
  float DHRA{}, DHRB{}, DHRC{}, DHRD{}, DHRP{}, DHRQ{}, IRO1{}, IRO2{};
};

struct OsvatineProgram : shell::Program {
  using shell::Program::Program;
  Osvatine O;
};

inline Osvatine& Os(shell::Program& P) { return static_cast<OsvatineProgram&>(P).O; }

}  // namespace osvatine
