// Answers 4 and 5 of the first set until they are written: each goes back to the choice line.
#include "pendrel/ConfirmLearning.h"

namespace pendrel {

Screen ConfirmAnswer4(Program&) { return {ConfirmLearningSubMenu}; }
Screen ConfirmAnswer5(Program&) { return {ConfirmLearningSubMenu}; }

}  // namespace pendrel
