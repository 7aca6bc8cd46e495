// Editing the leading sign of a number text in A$: change it, drop a plus, drop either sign.
// Only the one-byte "-" and "+" count as signs; a full-width sign is text like any other.
#include <string>

#include "geometry/Plane.h"
#include "platform/Strings.h"

namespace geometry {

namespace {

// The leading one-byte sign of A$, or 0; LE is the character count before any change.
char LeadingSign(shell::Vars& v) {
  v.LE = static_cast<float>(platform::kLen(v.A_s));
  if (v.A_s.empty()) return 0;
  char c = v.A_s[0];
  return c == '-' || c == '+' ? c : 0;
}

}  // namespace

void FlipSign(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  char sign = LeadingSign(v);
  if (v.A_s.empty()) return;
  if (sign == '-') v.A_s = "+" + v.A_s.substr(1);
  else if (sign == '+') v.A_s = "-" + v.A_s.substr(1);
  else v.A_s = "-" + v.A_s;
}

void DropPlusSign(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  if (LeadingSign(v) == '+') v.A_s = v.A_s.substr(1);
}

void DropSign(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  if (LeadingSign(v) != 0) v.A_s = v.A_s.substr(1);
}

}  // namespace geometry
