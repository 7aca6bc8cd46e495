// Lunevar on a key script for its tests: the keys to its screens, a run from the main menu and
// its own variables. The set-up and the log helpers are the shared ones of support/.
#pragma once
#include <string>

#include "lunevar/Lunevar.h"
#include "support/OpsLog.h"
#include "support/TestRun.h"
#include "support/TextRows.h"

namespace lunevar_test {

using namespace testsupport;

// Keys from the main menu to the explorer: item 1, the goal screen's key, the four keys of the
// introductory figure, then choice 1.
inline const std::string kToSubMenu = "1{Enter}abcde";
inline const std::string kToExplorer = kToSubMenu + "1{Enter}";

// Lunevar from start-up through its menus until the keys run out.
inline TestRun Play(const std::string& keys) { return testsupport::Play("lunevar", keys); }

inline lunevar::Lunevar& State(TestRun& r) { return lunevar::Lv(r.P); }

// Where the last explorer figure begins: just after the last erase of the figure area.
inline size_t AfterLastFigureErase(const Log& log) {
  return AfterLast(log, [](const Op& o) { return IsFilledBox(o, 544, 90, 1364, 640, 15); });
}

}  // namespace lunevar_test
