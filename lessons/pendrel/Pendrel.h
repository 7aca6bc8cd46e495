// Pendrel's own variables (the shared ones live in shell::Vars) and the program that holds them.
// Every screen reaches them through Pv(P); they start at 0, like the shared ones.
#pragma once

#include "shell/Program.h"

namespace pendrel {

struct Pendrel {
  // Answer 9 of the second set: the directions of A, B, C and D on the circle, in degrees,
  // kept for the arcs AB and CD.
  float HHA{}, HHB{}, HHC{}, HHD{};
  // Answer 7 of the second set: the fixed ratios that place D on line CB and F on line EB
  // (C1, C2 and C3 = C1 + C2 for D; the shared A1, A2 and A3 = A1 + A2 for F).
  float C1{}, C2{}, C3{}, A3{};
};

struct PendrelProgram : shell::Program {
  using shell::Program::Program;
  Pendrel L;
};

inline Pendrel& Pv(shell::Program& P) { return static_cast<PendrelProgram&>(P).L; }

}  // namespace pendrel
