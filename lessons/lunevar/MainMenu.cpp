// Lunevar's main menu: the panel with its eight items, the number typed, and the way to the
// chosen lesson. Items 2 to 6 are not built yet: choosing one draws the menu again, as 7 does.
#include "lunevar/Screens.h"
#include "mathtext/MathText.h"
#include "shell/Input.h"
#include "shell/Menus.h"
#include "shell/Waits.h"

namespace lunevar {

namespace {

struct MenuItem {
  const char* text;
  float y;
  float colour;
  Screen (*entry)(Program&);  // none: the program ends
};

constexpr MenuItem kItems[] = {
    {"1　円周角", 120, 13, InscribedAngleLessonStart},
    {"2　円周角の定理証明", 180, 15, shell::BackToMainMenu},
    {"3　円周角の定理を使って", 240, 13, shell::BackToMainMenu},
    {"4　円周角と弧", 300, 15, shell::BackToMainMenu},
    {"5　練習問題", 360, 13, shell::BackToMainMenu},
    {"6　円周角の定理の逆", 420, 15, shell::BackToMainMenu},
    {"7　", 480, 13, shell::BackToMainMenu},
    {"8　終了", 540, 15, nullptr},
};
constexpr int kItemCount = sizeof kItems / sizeof kItems[0];

}  // namespace

Screen AnglesMainMenu(Program& P) {
  auto& v = P.v;
  P.at(139);
  ClearWholePage(P);
  P.pf.fillBox(22, 10, 22 + 1320, 10 + 600, 15, 10);
  v.CCC1 = 15; v.X = 264; v.Y = 30;
  v.AA_s = "＜" + v.TITLE_s + "　メニュー＞";
  mathtext::RenderMathText(P);
  for (const MenuItem& item : kItems) {
    v.CCC1 = item.colour; v.X = 44; v.Y = item.y; v.AA_s = item.text;
    mathtext::RenderMathText(P);
  }
  shell::AskMenuNumber(P);
  shell::ClearMenuPrompt(P);
  int choice = shell::MenuChoice(P, 1, kItemCount);
  if (choice == 0) return {AnglesMainMenu};
  const MenuItem& item = kItems[choice - 1];
  if (!item.entry) return {};
  ClearWholePage(P);
  return {item.entry};
}

}  // namespace lunevar
