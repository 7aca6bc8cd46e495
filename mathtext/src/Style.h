// What the text renderers share: the face names they select, and the calls that pass a
// colour or a pen width to the platform the way the drawing operations take them.
#pragma once
#include <string>

#include "platform/Number.h"
#include "shell/Program.h"

namespace mathtext {

inline const std::string kGothic = "ゴシック";
inline const std::string kSerif = "Times New Roman";
inline const std::string kScript = "MT Extra";

// Colours travel as 16-bit integers, pen widths as 32-bit ones.
inline int colourOf(float c) { return platform::cint(c); }
inline void setWidth(shell::Program& P, float w) { P.pf.setDrawWidth(platform::clng(w)); }

// A font change of a glyph row: an empty face, a size of 0 or a flag of -1 keeps what is in force.
struct FontSet {
  const std::string* face = nullptr;
  float size = 0;
  int bold = -1;
  int italic = -1;
};

inline void applyFont(shell::Program& P, const FontSet& f) {
  if (f.face) P.pf.setFontName(*f.face);
  if (f.size > 0) P.pf.setFontSize(f.size);
  if (f.bold >= 0) P.pf.setFontBold(f.bold == 1);
  if (f.italic >= 0) P.pf.setFontItalic(f.italic == 1);
}

}  // namespace mathtext
