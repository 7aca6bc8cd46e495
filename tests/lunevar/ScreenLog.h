// Reading the screens of items 2 and 3 from the drawing log: where the last choice's screen
// begins, its key waits, the answer boxes it drew and the glyphs inside one of them.
#pragma once
#include <string>

#include "lunevar/Support.h"

namespace lunevar_test {

// A filled answer box, outline 3 and fill 13 (numbered or answered).
inline bool IsAnswerBox(const Op& o) { return o.kind == OpKind::Box && o.fill == 13 && o.colour == 3; }

// Where the screen of the last choice read by a sub-menu begins.
inline size_t AfterLastChoice(const Log& log) { return AfterLast(log, IsFootBandClear); }

// The glyphs of the choice line at the foot, drawn from `from` on (empty when no choice line
// was drawn: the key-wait prompt shares the band).
inline std::string ChoiceLineFrom(const Log& log, size_t from) {
  auto starts = IndexesOf(
      log, [](const Op& o) { return o.kind == OpKind::Text && o.text == "①" && Near(o.y1, 666) && o.x1 < 40; }, from);
  return starts.empty() ? "" : GlyphsAt(log, 666, 16, 992, starts.back());
}

}  // namespace lunevar_test
