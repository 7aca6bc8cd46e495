// Number texts and checked arithmetic of the lessons.
#include "platform/Number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Errors.h"

namespace platform {

std::string numToText(float v) {
  if (v == 0) return " 0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
  std::string s = buf;
  // Split off an exponent, tidy the mantissa, then put it back together.
  std::string exp;
  if (auto e = s.find('E'); e != std::string::npos) {
    exp = s.substr(e);
    s = s.substr(0, e);
    // "E+07" -> "E+07" kept as the runtime writes it.
  }
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  bool neg = !s.empty() && s[0] == '-';
  std::string digits = neg ? s.substr(1) : s;
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits = digits.substr(1);
  return (neg ? "-" : " ") + digits + exp;
}

float val(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  std::string num;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) num += s[i++];
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
  if (i < s.size() && s[i] == '.') {
    num += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) { num += s[i++]; digits = true; }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    std::string e = "e";
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) e += s[j++];
    bool ed = false;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) { e += s[j++]; ed = true; }
    if (ed) num += e;
  }
  float v = std::strtof(num.c_str(), nullptr);
  return std::isfinite(v) ? v : 0;
}

float fint(float v) { return std::floor(v); }

namespace {

// Nearest whole number, halves to the even one, whatever the floating-point rounding mode.
double nearestEven(double v) {
  double f = std::floor(v);
  double d = v - f;
  if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0)) return f + 1;
  return f;
}

int toInteger(float v, double lo, double hi) {
  if (!std::isfinite(v)) raise(Overflow);
  double r = nearestEven(static_cast<double>(v));
  if (r < lo || r > hi) raise(Overflow);
  return static_cast<int>(r);
}

}  // namespace

int cint(float v) { return toInteger(v, -32768.0, 32767.0); }

int clng(float v) { return toInteger(v, -2147483648.0, 2147483647.0); }

float chk(float v) {
  if (!std::isfinite(v)) raise(Overflow);
  return v;
}

float fdiv(float a, float b) {
  if (b == 0) raise(DivisionByZero);
  return chk(a / b);
}

}  // namespace platform
