// Number texts as lesson text: the runtime's number-to-text conversion passed through
// StripBlanks (by way of A$, as the shell routine takes it).
#include "NumberText.h"

#include "platform/Number.h"
#include "shell/Prompt.h"

namespace geometry {

std::string StripThroughA(shell::Program& P, const std::string& text) {
  P.v.A_s = text;
  shell::StripBlanks(P);
  return P.v.A_s;
}

std::string NumberWithoutBlanks(shell::Program& P, float value) {
  return StripThroughA(P, platform::numToText(value));
}

}  // namespace geometry
