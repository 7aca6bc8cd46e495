// Number input and menu prompts: the prompt, the "入力" field with its cursor,
// the key loop and the value of the typed text.
#pragma once

#include "shell/Program.h"

namespace shell {

void AskMenuNumber(Program& P);
void ClearMenuPrompt(Program& P);
void AskChoiceAtFoot(Program& P);
void AskNextStep(Program& P);
void InputNumber(Program& P);
void ReadNumberKeys(Program& P);
void ParseNumberInput(Program& P);

}  // namespace shell
