// A fixed generator (splitmix64 steps) so that a seed gives the same numbers on every machine.
#include "platform/Random.h"

namespace platform {

void Random::seed(int32_t s) {
  state_ = 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(static_cast<uint32_t>(s));
}

float Random::next() {
  if (fixed_) return *fixed_;
  state_ += 0x9E3779B97F4A7C15ULL;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) / 16777216.0f;
}

}  // namespace platform
