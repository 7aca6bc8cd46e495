// Grid paper: the frame and origin every figure is laid out on, and, unless the line colour is
// the page colour, the lines themselves with every fifth one bold through the origin.
#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/CountedLoop.h"
#include "platform/Number.h"

namespace figures {

using namespace platform;

void DrawGrid(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  v.DR = static_cast<float>(P.pf.drawWidth());
  v.PI = 3.14159f;
  v.GX1 = v.GGX;
  v.GY1 = v.GGY;
  v.GX2 = chk(v.GX1 + chk(v.SIZE * v.YOKO));
  v.GY2 = chk(v.GY1 + chk(v.SIZE * v.TATE));
  v.GX0 = v.GX1;
  v.GY0 = v.GY2;
  if (v.CCC2 != 15) {
    v.CCC3 = 14;
    // Bold lines are counted from the left and from the bottom, so they pass through the origin.
    auto gridLine = [&](float x1, float y1, float x2, float y2) {
      bool bold = clng(v.II) % 5 == 0;
      P.pf.setDrawWidth(bold ? 3 : 1);
      P.pf.line(x1, y1, x2, y2, detail::Colour(bold ? v.CCC3 : v.CCC2));
    };
    // A count below 0 still draws the line at the edge.
    CountUp(v.II, 0, v.YOKO, [&] {
      float x = chk(v.GX1 + v.SIZE * v.II);
      gridLine(x, v.GY1, x, v.GY2);
    });
    CountUp(v.II, 0, v.TATE, [&] {
      float y = chk(v.GY2 - v.SIZE * v.II);
      gridLine(v.GX1, y, v.GX2, y);
    });
  }
  P.pf.setDrawWidth(clng(v.DR));
}

}  // namespace figures
