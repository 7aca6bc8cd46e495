// The interactive figure's title box and its display options: the angle texts (choice 2) and
// the diameter through P (choice 3). The options compare the typed text itself, not its value.
#include "kit/Answers.h"
#include "kit/Text.h"
#include "lunevar/InscribedAngles.h"
#include "lunevar/Lunevar.h"
#include "shell/Input.h"
#include "shell/Waits.h"

namespace lunevar {

void AngleFigureTitle(Program& P) {
  shell::Routine r(P);
  auto& v = P.v;
  kit::TextCursorAt(P, 640, 30);
  kit::EraseBox(P, v.XI1 - 120, v.YI1 - 9, v.XI1 - 120 + 1200, v.YI1 - 9 + 70);
  kit::TextBox(P, v.XI1, v.YI1, 432, 50, {5, 3, 13}, "円周角と中心角の関係");
  Lv(P).KAKU1_s = "";
  Lv(P).KAKU2_s = "";
}

Screen AngleDisplayOptions(Program& P) {
  auto& v = P.v;
  Lunevar& L = Lv(P);
  v.AA_s = "表示(P…1,O…2) 消す(P…-1,O…-2,両方…-3) Enterキーで決定";
  shell::AskChoiceAtFoot(P);
  shell::ClearFootBand(P);
  // Asked over whatever the page shows; the explorer's opening hides both texts, as choice 1's
  // does, before the typed text switches them.
  ShowAngleFigureAsLeft(P);
  if (v.AINP_s == "1") {
    L.KAKU1_s = "on";
  } else if (v.AINP_s == "2") {
    L.KAKU2_s = "on";
  } else if (v.AINP_s == "-1") {
    L.KAKU1_s = "";
  } else if (v.AINP_s == "-2") {
    L.KAKU2_s = "";
  } else {
    L.KAKU1_s = "";
    L.KAKU2_s = "";
  }
  // Drawn again over the figure as it stands: only a text switched off has its line erased.
  return {RedrawAngleFigure};
}

Screen DiameterDisplayOption(Program& P) {
  auto& v = P.v;
  v.AA_s = "表示…1, 非表示…-1  Enterキーで決定";
  shell::AskChoiceAtFoot(P);
  shell::ClearFootBand(P);
  ShowAngleFigureAsLeft(P);
  // The setting is never reset: it lasts for the rest of the run.
  Lv(P).TKEI_s = v.AINP_s == "1" ? "on" : "";
  EraseAngleFigure(P);
  return {RedrawAngleFigure};
}

}  // namespace lunevar
