// The angle mark: concentric arcs stepped in from the mark's size, or one filled sector,
// then the angle's label just beyond them on the bisector.
#include "MarkMath.h"
#include "figures/Marks.h"
#include "platform/Number.h"

namespace figures {

using namespace platform;

void DrawAngleArcs(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  ComputeArmAngles(P);
  if (v.HONSU > 6) v.HONSU = 1;
  if (v.HONSU > 0) {
    v.NAGASA1 = v.NAGASA;
    v.II = 1;
    float last = v.HONSU;
    do {  // the first arc is drawn before the count is tested, so 0.5 still gives one
      v.NAGASA1 = chk(v.NAGASA1 - 8);
      P.pf.circle(v.ZX0, v.ZY0, v.NAGASA1, detail::Colour(v.CCC3), v.HH2, v.HH1);
      v.II = v.II + 1;
    } while (v.II <= last);
  } else {
    P.pf.circle(v.ZX0, v.ZY0, v.NAGASA, detail::Colour(v.CCC2), v.HH2, v.HH1, detail::Colour(v.CCC3));
  }
  PlaceVertexLabel(P);
  v.ITI = 0;
  v.AAA_s.clear();
}

}  // namespace figures
