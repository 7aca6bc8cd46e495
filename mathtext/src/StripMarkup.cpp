// Markup stripping: deletes every exponent mark, root end, fraction mark and equals sign,
// leaving the plain text of a fraction result ("-ﾀ3/4ﾀ" becomes "-3/4").
#include <string>

#include "mathtext/MathText.h"
#include "platform/Strings.h"

namespace mathtext {

namespace {

// Whether byte `pos` (from 1) of a cp932 text starts a character, rather than being the second
// byte of a double-byte one.
bool startsCharacter(const std::string& cp932, int pos) {
  for (int i = 1; i < pos;) {
    unsigned char c = static_cast<unsigned char>(cp932[i - 1]);
    bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    i += lead ? 2 : 1;
    if (i > pos) return false;
  }
  return true;
}

// Deletes each occurrence of the one-byte `mark`, searching again from the first byte after
// every deletion. A match on the second byte of a double-byte character is passed over, so
// such a character is kept whole.
void removeAll(const std::string& mark, float& position, std::string& text) {
  int from = 1;
  for (;;) {
    position = static_cast<float>(platform::bInstr(from, text, mark));
    if (position == 0) return;
    int p = static_cast<int>(position);
    if (!startsCharacter(platform::toCp932(text), p)) {
      from = p + 1;
      continue;
    }
    text = platform::bLeft(text, p - 1) + platform::bMid(text, p + 1);
    from = 1;
  }
}

}  // namespace

void StripMarkup(Program& P) {
  shell::Routine r(P);
  shell::Vars& v = P.v;
  removeAll("^", v.TA1, v.A_s);
  removeAll("ﾝ", v.TA2, v.A_s);
  removeAll("ﾀ", v.TA3, v.A_s);
  removeAll("=", v.TA3, v.A_s);
}

}  // namespace mathtext
