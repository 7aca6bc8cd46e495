// Numbers as the lessons see them: single floats, their text forms, and checked arithmetic.
#pragma once
#include <string>

namespace platform {

// Decimal text with a blank before a non-negative number: up to 7 significant digits,
// no leading zero before the point, no trailing zeros ("  .5" is " .5", -0.5 is "-.5").
std::string numToText(float v);
// The leading number of a text (sign, digits, point, exponent); 0 for anything else. Never throws.
float val(const std::string& s);
// The floor, as the lessons' INT.
float fint(float v);
// Single to 16-bit integer, rounding to nearest (ties to even); outside -32768..32767 is error 6.
int cint(float v);
// Single to 32-bit integer, rounding to nearest; out of range is error 6.
int clng(float v);
// A result that overflowed (infinite or not a number) is error 6.
float chk(float v);
// Division; a zero divisor is error 11, an overflowing quotient error 6.
float fdiv(float a, float b);

}  // namespace platform
