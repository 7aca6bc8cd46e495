// Clearing the page as the lesson screens do (see Page.h).
#include "kit/Page.h"

namespace kit {

void ClearWholePage(Program& P) { EraseBox(P, 0, 0, 1760, 1800); }

void EraseBox(Program& P, float x1, float y1, float x2, float y2) { P.pf.fillBox(x1, y1, x2, y2, 15, 15); }

}  // namespace kit
