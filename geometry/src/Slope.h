// A line through two points as slope and intercept, y = slope * x + intercept, for lines that
// are neither vertical nor horizontal.
#pragma once

#include "platform/Number.h"

namespace geometry {

inline void SlopeThrough(float px, float py, float qx, float qy, float& slope, float& intercept) {
  slope = platform::fdiv(qy - py, qx - px);
  intercept = platform::chk(py - slope * px);
}

}  // namespace geometry
