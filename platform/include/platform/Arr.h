// Bounds-checked arrays indexed from 0 to their declared bound inclusive, one or two indexes.
// A float subscript rounds to the nearest whole number; outside the bounds is run-time error 9.
#pragma once
#include <cmath>
#include <vector>

#include "platform/Errors.h"

namespace platform {

template <class T>
class Arr {
 public:
  Arr() = default;
  void dim(int bound1, int bound2 = -1) {
    b1_ = bound1;
    b2_ = bound2;
    data_.assign(static_cast<size_t>(bound1 + 1) * static_cast<size_t>(bound2 < 0 ? 1 : bound2 + 1), T{});
  }
  int bound() const { return b1_; }
  int bound2() const { return b2_; }

  T& operator()(double i) { return data_[index(i)]; }
  const T& operator()(double i) const { return data_[index(i)]; }
  T& operator()(double i, double j) { return data_[index(i, j)]; }
  const T& operator()(double i, double j) const { return data_[index(i, j)]; }

 private:
  static size_t sub(double v, int bound) {
    if (!std::isfinite(v)) raise(SubscriptOutOfRange);
    double r = std::nearbyint(v);
    if (r < 0 || r > bound) raise(SubscriptOutOfRange);
    return static_cast<size_t>(r);
  }
  // An array is used with as many indexes as it was declared with; anything else is error 9.
  size_t index(double i) const {
    if (b1_ < 0 || b2_ >= 0) raise(SubscriptOutOfRange);
    return sub(i, b1_);
  }
  size_t index(double i, double j) const {
    if (b1_ < 0 || b2_ < 0) raise(SubscriptOutOfRange);
    return sub(i, b1_) * static_cast<size_t>(b2_ + 1) + sub(j, b2_);
  }
  int b1_ = -1;
  int b2_ = -1;
  std::vector<T> data_;
};

}  // namespace platform
