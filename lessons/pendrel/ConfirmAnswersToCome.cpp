// Answers 2 to 5 of the first set until they are written: each goes back to the choice line.
#include "pendrel/ConfirmLearning.h"

namespace pendrel {

Screen ConfirmAnswer2(Program&) { return {ConfirmLearningSubMenu}; }
Screen ConfirmAnswer3(Program&) { return {ConfirmLearningSubMenu}; }
Screen ConfirmAnswer4(Program&) { return {ConfirmLearningSubMenu}; }
Screen ConfirmAnswer5(Program&) { return {ConfirmLearningSubMenu}; }

}  // namespace pendrel
