// Reading a drawing log: operations of one kind or on the page, finding and counting them,
// the glyphs of a text line, runs of operations, and how glyphs and boxes print in a failure.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Page.h"

namespace testsupport {

using platform::Op;
using platform::OpKind;
using Log = std::vector<Op>;
using OpTest = std::function<bool(const Op&)>;

// Operations of one kind, in the order drawn.
Log OfKind(const Log& log, OpKind kind);
// Text operations that show a glyph (empty texts left out).
Log Texts(const Log& log);
// The operations drawn on the page, leaving out text measured by drawing it below the page.
Log OnPage(const Log& log);
Log OnPage(const Log& log, OpKind kind);

// Where pick chooses an operation, among the indexes [from, to) of the log.
std::vector<size_t> IndexesOf(const Log& log, const OpTest& pick, size_t from = 0, size_t to = SIZE_MAX);
Log OpsOf(const Log& log, const OpTest& pick, size_t from = 0, size_t to = SIZE_MAX);
// Just after the last operation that pick chooses (0 when there is none).
size_t AfterLast(const Log& log, const OpTest& pick);

inline bool Near(float a, float b, float tol = 0.05f) { return std::fabs(a - b) <= tol; }
bool IsFilledBox(const Op& o, float x1, float y1, float x2, float y2, int fill);
// The whole page and what lies below it, wiped in the page colour.
bool IsPageClear(const Op& o);
bool IsCircleAt(const Op& o, float x, float y, float r, float tol = 0.05f);
// The turn an arc covers, in degrees, from its start clockwise on the page to its end.
float SweepDegrees(const Op& arc);

// The prompt box of a key wait (outline 13, fill 4), and the foot band a sub-menu wipes once it
// has read its choice.
bool IsWaitBox(const Op& o);
bool IsFootBandClear(const Op& o);
// A text operation that shows `text`; the second with its top-left at (x, y), within half a unit.
bool IsText(const Op& o, const std::string& text);
bool IsText(const Op& o, const std::string& text, float x, float y);

// The glyphs of the text line whose pen stood at y, with their left edge in [x1, x2), joined in
// drawing order, among the indexes [from, to) of the log. Some glyphs sit above or below the pen
// (italic letters, the full stop).
std::string GlyphsAt(const Log& log, float y, float x1 = 0, float x2 = 2000, size_t from = 0, size_t to = SIZE_MAX);
// The glyphs drawn inside a box (on its text line, within its width), from `from` on.
std::string GlyphsInBox(const Log& log, const Op& box, size_t from);
// The glyphs whose top stands at y (within 0.05) in one colour, anywhere across the page.
std::string GlyphsInColour(const Log& log, float y, int colour);
// Every text drawn among the indexes [from, to), one glyph per operation, joined in drawing order.
std::string TextOf(const Log& log, size_t from = 0, size_t to = SIZE_MAX);

// Whether the operations of run stand in log one after another, from its index `from` on (both
// taken on the page only). Position, shape, text, font and colours are compared; the pen width
// and the area touched are left out, since they follow the caller's draw width.
bool ContainsRun(const Log& log, const Log& run, size_t from = 0);

// A glyph as the tests expect it: its text and its top-left corner.
struct Glyph {
  std::string text;
  float x, y;
  bool operator==(const Glyph&) const = default;
};
std::vector<Glyph> Glyphs(const Log& textOps);
void PrintTo(const Glyph& g, std::ostream* os);

// A box's corners, outline and fill colours and draw width.
struct BoxSeen {
  float x1, y1, x2, y2;
  int colour, fill, width;
  bool operator==(const BoxSeen&) const = default;
};
BoxSeen BoxOf(const Op& op);
void PrintTo(const BoxSeen& b, std::ostream* os);

std::string Repeat(const std::string& keys, int n);

}  // namespace testsupport
