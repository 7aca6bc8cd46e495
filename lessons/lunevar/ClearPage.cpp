// Clearing the whole page as the lesson screens do: one filled box in the page colour that
// reaches below the page, where texts are drawn to be measured.
#include "lunevar/Screens.h"

namespace lunevar {

void ClearWholePage(Program& P) { P.pf.fillBox(0, 0, 1760, 1800, 15, 15); }

}  // namespace lunevar
