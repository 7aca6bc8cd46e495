// Reading a drawing log: operations of one kind or on the page, finding and counting them,
// the glyphs of a text line, runs of operations, and how glyphs and boxes print in a failure.
#include "support/OpsLog.h"

#include <algorithm>

namespace testsupport {

Log OfKind(const Log& log, OpKind kind) {
  return OpsOf(log, [kind](const Op& o) { return o.kind == kind; });
}

Log Texts(const Log& log) {
  return OpsOf(log, [](const Op& o) { return o.kind == OpKind::Text && !o.text.empty(); });
}

Log OnPage(const Log& log) {
  return OpsOf(log, [](const Op& o) { return o.by1 < platform::kPageHeight; });
}

Log OnPage(const Log& log, OpKind kind) { return OfKind(OnPage(log), kind); }

std::vector<size_t> IndexesOf(const Log& log, const OpTest& pick, size_t from, size_t to) {
  std::vector<size_t> out;
  for (size_t i = from; i < log.size() && i < to; ++i)
    if (pick(log[i])) out.push_back(i);
  return out;
}

Log OpsOf(const Log& log, const OpTest& pick, size_t from, size_t to) {
  Log out;
  for (size_t i : IndexesOf(log, pick, from, to)) out.push_back(log[i]);
  return out;
}

size_t AfterLast(const Log& log, const OpTest& pick) {
  auto idx = IndexesOf(log, pick);
  return idx.empty() ? 0 : idx.back() + 1;
}

bool IsFilledBox(const Op& o, float x1, float y1, float x2, float y2, int fill) {
  return o.kind == OpKind::Box && o.fill == fill && Near(o.x1, x1) && Near(o.y1, y1) && Near(o.x2, x2) &&
         Near(o.y2, y2);
}

bool IsPageClear(const Op& o) { return IsFilledBox(o, 0, 0, 1760, 1800, 15); }

bool IsCircleAt(const Op& o, float x, float y, float r, float tol) {
  return o.kind == OpKind::Circle && Near(o.x1, x, tol) && Near(o.y1, y, tol) && Near(o.r, r);
}

float SweepDegrees(const Op& arc) {
  float t = arc.end - arc.start;
  if (t < 0) t += 1;
  return t * 360;
}

bool IsWaitBox(const Op& o) { return IsFilledBox(o, 96, 657, 400, 693, 4) && o.colour == 13; }

bool IsFootBandClear(const Op& o) { return IsFilledBox(o, 0, 657, 992, 720, 15); }

bool IsText(const Op& o, const std::string& text) { return o.kind == OpKind::Text && o.text == text; }

bool IsText(const Op& o, const std::string& text, float x, float y) {
  return IsText(o, text) && Near(o.x1, x, 0.5f) && Near(o.y1, y, 0.5f);
}

std::string GlyphsAt(const Log& log, float y, float x1, float x2, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < log.size() && i < to; ++i) {
    const Op& o = log[i];
    if (o.kind == OpKind::Text && o.y1 >= y - 24 && o.y1 <= y + 16 && o.x1 >= x1 && o.x1 < x2) s += o.text;
  }
  return s;
}

std::string GlyphsInBox(const Log& log, const Op& box, size_t from) {
  return GlyphsAt(log, box.y1 + 3, box.x1, box.x2, from);
}

std::string GlyphsInColour(const Log& log, float y, int colour) {
  std::string s;
  for (const Op& t : log)
    if (t.kind == OpKind::Text && Near(t.y1, y) && t.colour == colour) s += t.text;
  return s;
}

std::string TextOf(const Log& log, size_t from, size_t to) {
  std::string s;
  for (size_t i = from; i < log.size() && i < to; ++i)
    if (log[i].kind == OpKind::Text) s += log[i].text;
  return s;
}

namespace {

bool Same(float a, float b) { return std::fabs(a - b) < 1e-3f; }

bool SameOp(const Op& a, const Op& b) {
  return a.kind == b.kind && Same(a.x1, b.x1) && Same(a.y1, b.y1) && Same(a.x2, b.x2) && Same(a.y2, b.y2) &&
         Same(a.r, b.r) && a.points == b.points && a.text == b.text && a.h == b.h && a.v == b.v &&
         a.font == b.font && a.colour == b.colour && a.fill == b.fill;
}

}  // namespace

bool ContainsRun(const Log& log, const Log& run, size_t from) {
  Log page = OnPage({log.begin() + static_cast<long>(std::min(from, log.size())), log.end()});
  Log want = OnPage(run);
  if (want.empty()) return true;
  for (size_t i = 0; i + want.size() <= page.size(); ++i) {
    size_t k = 0;
    while (k < want.size() && SameOp(page[i + k], want[k])) ++k;
    if (k == want.size()) return true;
  }
  return false;
}

std::vector<Glyph> Glyphs(const Log& textOps) {
  std::vector<Glyph> out;
  for (const auto& op : textOps) out.push_back({op.text, op.x1, op.y1});
  return out;
}

void PrintTo(const Glyph& g, std::ostream* os) { *os << "\"" << g.text << "\"@(" << g.x << "," << g.y << ")"; }

BoxSeen BoxOf(const Op& op) { return {op.x1, op.y1, op.x2, op.y2, op.colour, op.fill, op.width}; }

void PrintTo(const BoxSeen& b, std::ostream* os) {
  *os << "(" << b.x1 << "," << b.y1 << ")-(" << b.x2 << "," << b.y2 << ") colour " << b.colour << " fill " << b.fill
      << " width " << b.width;
}

std::string Repeat(const std::string& keys, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += keys;
  return s;
}

}  // namespace testsupport
