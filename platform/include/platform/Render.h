// Drawing the page's operations with Cairo and Pango, at any scale, and the PNG writer.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

#include "platform/Page.h"
#include "platform/Palette.h"

namespace platform {

// Draws ops[from..] onto cr, whose user space is page units (the caller sets the scale);
// clips to the visible page.
void renderOps(cairo_t* cr, const std::vector<Op>& ops, size_t from = 0);
// Fills the visible page with the page colour and draws every operation.
void renderPage(cairo_t* cr, const Page& page);
// Draws the page afresh within one rectangle of page units: the page colour, then every
// operation that reaches into it, so nothing drawn over earlier leaves a trace at its edges.
void renderRegion(cairo_t* cr, const Page& page, float x1, float y1, float x2, float y2);
// The visible page as a PNG of widthPx x heightPx pixels. Returns false if it cannot write.
bool writePng(const Page& page, const std::string& path, int widthPx = 1440, int heightPx = 900);

// Ink box of a text operation, in page units (x1, y1, x2, y2), from the real fonts.
std::array<float, 4> textInk(const Op& op);
// Loads the faces the lessons draw with, so that the first text drawn need not wait for them
// (safe to run on its own thread while the window is made).
void loadFonts();
// The installed font family that draws a font of the lessons (to check that the faces are there).
std::string fontFamilyFor(const Font& font);
// Layout box of a text operation: where its glyphs may draw, used to know what later boxes hide.
std::array<float, 4> textBox(const Op& op);
// Both boxes of a text operation, from one measurement.
struct TextBoxes {
  std::array<float, 4> box, ink;
};
TextBoxes textBoxes(const Op& op);

}  // namespace platform
