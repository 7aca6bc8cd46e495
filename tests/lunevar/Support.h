// Running Lunevar on a key script for the tests, and reading what it drew: boxes, circles,
// lines and the glyphs of one text line, from the drawing log of replay::Run.
#pragma once
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Replay.h"
#include "lunevar/Lunevar.h"
#include "platform/Page.h"

namespace lunevar_test {

using platform::Op;
using platform::OpKind;
using Log = std::vector<Op>;

// Keys from the main menu to the explorer: item 1, the goal screen's key, the four keys of the
// introductory figure, then choice 1.
inline const std::string kToSubMenu = "1{Enter}abcde";
inline const std::string kToExplorer = kToSubMenu + "1{Enter}";

inline replay::Result Play(const std::string& keys) {
  replay::Options o;
  o.program = "lunevar";
  o.keys = keys;
  return replay::Run(o);
}

inline lunevar::Lunevar& State(replay::Result& r) { return lunevar::Lv(*r.program); }

inline std::string Repeat(const std::string& key, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += key;
  return s;
}

inline bool Near(float a, float b, float tol = 0.05f) { return std::fabs(a - b) <= tol; }

inline bool IsFilledBox(const Op& o, float x1, float y1, float x2, float y2, int fill) {
  return o.kind == OpKind::Box && o.fill == fill && Near(o.x1, x1) && Near(o.y1, y1) && Near(o.x2, x2) &&
         Near(o.y2, y2);
}

inline std::vector<size_t> IndexesOf(const Log& log, const std::function<bool(const Op&)>& pick, size_t from = 0,
                                     size_t to = SIZE_MAX) {
  std::vector<size_t> out;
  for (size_t i = from; i < log.size() && i < to; ++i)
    if (pick(log[i])) out.push_back(i);
  return out;
}

inline std::vector<Op> OpsOf(const Log& log, const std::function<bool(const Op&)>& pick, size_t from = 0,
                             size_t to = SIZE_MAX) {
  std::vector<Op> out;
  for (size_t i : IndexesOf(log, pick, from, to)) out.push_back(log[i]);
  return out;
}

inline bool IsPageClear(const Op& o) { return IsFilledBox(o, 0, 0, 1760, 1800, 15); }

// Just after the last operation that pick chooses (0 when there is none).
inline size_t AfterLast(const Log& log, const std::function<bool(const Op&)>& pick) {
  auto idx = IndexesOf(log, pick);
  return idx.empty() ? 0 : idx.back() + 1;
}

// Where the last explorer figure begins: just after the last erase of the figure area.
inline size_t AfterLastFigureErase(const Log& log) {
  return AfterLast(log, [](const Op& o) { return IsFilledBox(o, 544, 90, 1364, 640, 15); });
}

// The glyphs of the text line whose pen stood at y, with their left edge in [x1, x2), joined in
// drawing order. Some glyphs sit above or below the pen (italic letters, the full stop).
inline std::string GlyphsAt(const Log& log, float y, float x1 = 0, float x2 = 2000, size_t from = 0) {
  std::string s;
  for (size_t i = from; i < log.size(); ++i) {
    const Op& o = log[i];
    if (o.kind == OpKind::Text && o.y1 >= y - 24 && o.y1 <= y + 16 && o.x1 >= x1 && o.x1 < x2) s += o.text;
  }
  return s;
}

// The turn an arc covers, in degrees, from its start clockwise on the page to its end.
inline float SweepDegrees(const Op& arc) {
  float t = arc.end - arc.start;
  if (t < 0) t += 1;
  return t * 360;
}

inline bool IsCircleAt(const Op& o, float x, float y, float r, float tol = 0.05f) {
  return o.kind == OpKind::Circle && Near(o.x1, x, tol) && Near(o.y1, y, tol) && Near(o.r, r);
}

}  // namespace lunevar_test
