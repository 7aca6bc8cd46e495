// The direction of a page vector and the number conversions of the figure marks.
// Kept apart so that every mark turns points into angles the same way.
#include "MarkMath.h"

#include <cmath>

#include "platform/Errors.h"
#include "platform/Number.h"
#include "platform/Strings.h"

namespace figures::detail {

using namespace platform;

float Direction(float PI, float x0, float y0, float x1, float y1) {
  float dx = chk(x1 - x0), dy = chk(y1 - y0);
  // The quotient is only formed off the horizontal, so a vertical vector needs no case.
  if (y1 > y0) return chk(PI * 3 / 2 + std::atan(fdiv(dx, dy)));
  if (y1 < y0) return chk(PI / 2 + std::atan(fdiv(dx, dy)));
  return x1 > x0 ? 0.0f : PI;
}

int Colour(float c) { return cint(c); }

std::string CharOfCode(float code) {
  int n = cint(code);
  if (n < 0 || n > 255) raise(IllegalFunctionCall);
  return fromCp932(std::string(1, static_cast<char>(n)));
}

int CodeOfFirstChar(const std::string& s) {
  std::string b = toCp932(s);
  if (b.empty()) raise(IllegalFunctionCall);
  return static_cast<unsigned char>(b[0]);
}

}  // namespace figures::detail
