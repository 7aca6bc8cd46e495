// Small arithmetic the figure marks share: the direction of a page vector, and palette
// numbers held in float variables turned into the integers the page takes.
#pragma once
#include <string>

namespace figures::detail {

// Direction from (x0, y0) to (x1, y1) on the page, radians counter-clockwise with y up,
// built on the caller's PI (3.14159, not the true value) so that every mark agrees.
// Two equal points point left (PI).
float Direction(float PI, float x0, float y0, float x1, float y1);

// A palette number as the page takes it; out of 16-bit range is an overflow.
int Colour(float c);

// The text whose cp932 code is `code` (a one-byte character), as CHR$ makes it.
std::string CharOfCode(float code);
// The cp932 code of the first byte of a text, as ASC gives it.
int CodeOfFirstChar(const std::string& s);

}  // namespace figures::detail
