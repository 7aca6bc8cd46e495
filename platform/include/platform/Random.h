// The random numbers of the lessons: a small fixed generator so every machine gives the same
// sequence for one seed. A value in [0,1) comes from 24 random bits, so it never rounds to 1.
#pragma once
#include <cstdint>
#include <optional>

namespace platform {

class Random {
 public:
  void seed(int32_t s);
  float next();
  // For tests: every value is `v` from now on.
  void fix(float v) { fixed_ = v; }

 private:
  uint64_t state_ = 0x853c49e6748fea9bULL;
  std::optional<float> fixed_;
};

}  // namespace platform
