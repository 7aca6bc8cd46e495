// Key waits, the foot banner, clearing of page areas and small key and array helpers.
// BackToMainMenu is a screen: it names the main menu as the next one.
#pragma once

#include "shell/Program.h"

namespace shell {

void ShowFootBannerAndWait(Program& P);
void CloseFootBanner(Program& P);
void WaitAnyKey(Program& P);
void ClearFootBand(Program& P);
void ClearWorkArea(Program& P);
void ClearBandRightOfField(Program& P);
void ArraysToText(Program& P);
void KeyToCommandNumber(Program& P);
void DrainPendingKeys(Program& P);

Screen BackToMainMenu(Program& P);

}  // namespace shell
