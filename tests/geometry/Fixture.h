// A Pendrel run with its arrays declared, drawing on a recording page, for the routine tests;
// and how to find in its log what the text renderers draw for a text at a pen position.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "pendrel/Info.h"
#include "platform/Page.h"
#include "platform/Platform.h"
#include "platform/ScriptDevice.h"
#include "shell/Program.h"

namespace geometry_test {

using platform::Op;
using platform::OpKind;

struct GeometryRun {
  explicit GeometryRun(const std::string& keys = "", shell::ProgramInfo info = pendrel::Info());

  platform::ScriptDevice device;
  platform::Platform pf{device};
  shell::Program P;
  shell::Vars& v = P.v;
  std::vector<Op> log;  // every operation since start-up

  std::vector<Op> ofKind(OpKind kind) const;
};

// What RenderMathText (or PlainMathText) draws for text with its pen at (x, y) in colour,
// on a fresh run.
std::vector<Op> MathTextOps(const std::string& text, float x, float y, int colour, bool plain = false,
                            const std::string& face = "");

// The operations drawn on the page, leaving out text measured by drawing it below the page.
std::vector<Op> OnPage(const std::vector<Op>& ops);

// Whether the operations of run stand in log one after another, from its index `from` on
// (both taken on the page only).
bool ContainsRun(const std::vector<Op>& log, const std::vector<Op>& run, size_t from = 0);

// Whether the log holds text drawn at pen (x, y) in colour as the math text renderer draws it.
bool HasMathText(const std::vector<Op>& log, const std::string& text, float x, float y, int colour,
                 bool plain = false, const std::string& face = "");

// How far RenderMathText advances the pen for text (MeasureMathText on a fresh run).
float MathTextWidth(const std::string& text);

}  // namespace geometry_test
