// What the math text renderers draw for a text at a pen position, measured on a fresh run, and
// whether a log holds it: a test of a routine that writes text compares against the renderer.
#pragma once
#include <string>

#include "support/OpsLog.h"

namespace testsupport {

// What RenderMathText (or PlainMathText) draws for text with its pen at (x, y) in colour, on a
// fresh run (in the given font face, when one is given).
Log MathTextOps(const std::string& text, float x, float y, int colour, bool plain = false,
                const std::string& face = "");

// Whether the log holds text drawn at pen (x, y) in colour as the math text renderer draws it.
bool HasMathText(const Log& log, const std::string& text, float x, float y, int colour, bool plain = false,
                 const std::string& face = "");

// How far RenderMathText advances the pen for text (MeasureMathText on a fresh run).
float MathTextWidth(const std::string& text);

}  // namespace testsupport
