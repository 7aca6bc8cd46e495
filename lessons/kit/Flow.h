// The flow of a lesson: the sub-menu at the foot of the page, the main-menu panel the three
// programs draw and its number prompt, the optional inputs of kit calls, and the random sizes of
// the practice loops.
#pragma once

#include <optional>
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
// A menu item's entry as most are written: its goal text (`goal`), then its sub-menu next.
Screen GoalThenSubMenu(Program& P, void (*goal)(Program&), ScreenFn subMenu);

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

// The number prompt under a main menu's panel, drawn by the menus that show it before they ask
// for the number (the number input then draws it once more at the same place):
// "番号を入力して下さい。" at (KAIX - 240, KAIY) in colour 0, in the prompt glyphs. Writes CCC1, X,
// Y; leaves AA$ empty.
void DrawMenuPrompt(Program& P);

// A main menu that shows its prompt before the number is typed: the work area and the page
// cleared, the panel of `items`, the prompt, then MainMenuChoice with `self`.
Screen PromptedMainMenu(Program& P, ScreenFn self, std::span<const MenuItem> items);

// An optional input of a kit call: given, the call writes it to its shared variable; not given,
// the variable keeps whatever an earlier step left in it (some strokes read such leftovers).
using Keep = std::optional<float>;

inline void SetIfGiven(float& variable, Keep value) {
  if (value) variable = *value;
}

// A random whole number from `base` to base + span - 1, as the practice loops draw one. Reads RND.
float RandomSize(Program& P, float base, float span);

}  // namespace kit
