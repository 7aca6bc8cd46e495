// Running Pendrel on a key script for the tests: the keys to its screens and a run from the main
// menu. The set-up and the log readers are the shared ones of support/.
#pragma once
#include <string>

#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "support/TextRows.h"

namespace pendrel_test {

using namespace testsupport;

// Pendrel from start-up through its menus until the keys run out.
inline TestRun Play(const std::string& keys) { return testsupport::Play("pendrel", keys); }

// Keys to the first set's choice line, and to each answer from there.
inline const std::string kToFirstSet = "1{Enter}";
inline std::string Answer(int n) { return std::to_string(n) + "{Enter}"; }

// The first glyph of a choice line at the foot of the page.
inline bool IsFootLineStart(const Op& o) { return o.kind == OpKind::Text && Near(o.x1, 16) && Near(o.y1, 666, 6); }

}  // namespace pendrel_test
