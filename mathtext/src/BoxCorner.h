// What every box routine does around its caption: keep the corner and the caption while the
// renderer moves the pen, and leave the pen at the box's right edge.
#pragma once
#include <string>

#include "platform/Number.h"
#include "shell/Program.h"

namespace mathtext {

// A box keeps its corner and caption while the renderer uses the pen and A$, and hands the
// pen back at its right edge on the caller's line.
inline void KeepCorner(shell::Program& P, const std::string& caption) {
  P.v.X1 = P.v.X;
  P.v.Y1 = P.v.Y;
  P.v.MOTOA_s = caption;
}

inline void PenToRightEdge(shell::Program& P) {
  P.v.X = platform::chk(P.v.X1 + P.v.HABA);
  P.v.Y = P.v.Y1;
}

}  // namespace mathtext
