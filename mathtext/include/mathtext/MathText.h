// The math text renderer: glyph rows, the markup (fractions, roots, exponents), measuring
// by drawing below the page, and the markup stripper.
#pragma once

#include "shell/Program.h"

namespace mathtext {

using shell::Program;

void DrawGlyphs(Program& P);
void RenderMathText(Program& P);
void LayoutFraction(Program& P);
void MeasureMathText(Program& P);
void StripMarkup(Program& P);

}  // namespace mathtext
