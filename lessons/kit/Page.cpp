// Clearing the page and opening a lesson page (see Page.h).
#include "kit/Page.h"

#include "kit/Text.h"

namespace kit {

void ClearWholePage(Program& P) { EraseBox(P, 0, 0, 1760, 1800); }

void EraseBox(Program& P, float x1, float y1, float x2, float y2) { P.pf.fillBox(x1, y1, x2, y2, 15, 15); }

void OpenPage(Program& P, const PageOpening& page) {
  auto& v = P.v;
  ClearWholePage(P);
  if (page.numbers != kLeaveColumn) v.XI0 = page.numbers;
  if (page.margin != kLeaveColumn) v.XI1 = page.margin;
  v.YI1 = page.top;
  if (page.drawWidth != 0) P.pf.setDrawWidth(static_cast<int>(page.drawWidth));
  if (page.heading) TextOnNewLine(P, page.headingAtNumbers ? v.XI0 : v.XI1, 0, page.heading, page.colour);
}

}  // namespace kit
