// The flow of a lesson: the sub-menu at the foot of the page, the main-menu panel the three
// programs draw, and the random sizes of the practice loops.
#pragma once

#include <span>

#include "shell/Program.h"

namespace kit {

using shell::Program;
using shell::Screen;
using ScreenFn = Screen (*)(Program&);

// A sub-menu: `line` at the foot, SENTAKU = AINP, then (where `resetsInput`) AINP = 10, then the
// foot band cleared; the choice is taken from AINP before it is reset. A choice that is not a
// whole number from 1 to the number of targets asks again over the unchanged page; otherwise the
// chosen target is the next screen. Leaves SENTAKU, AINP$, AINP and CCC1 as the input leaves them.
Screen SubMenu(Program& P, const char* line, std::span<const ScreenFn> targets, bool resetsInput = true);

// One line of a main menu: its text at (44, y) in colour, and the screen it enters (none ends
// the program).
struct MenuItem {
  const char* text;
  float y;
  float colour;
  ScreenFn entry;
};
// The panel (22,10)-(1342,610) in colour 10, the heading "＜TITLE$　メニュー＞" at (264, 30) in
// colour 15 and the items. Writes CCC1, X, Y, AA$.
void DrawMenuPanel(Program& P, std::span<const MenuItem> items);
// The number asked for under the panel (AskMenuNumber, ClearMenuPrompt), then: not an item,
// `self` again; the item with no entry ends the program; otherwise the page is cleared and the
// item's entry is next.
Screen MainMenuChoice(Program& P, ScreenFn self, std::span<const MenuItem> items);

// A random whole number from `base` to base + span - 1, as the practice loops draw one. Reads RND.
float RandomSize(Program& P, float base, float span);

}  // namespace kit
