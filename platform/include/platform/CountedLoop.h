// The lessons' counted loop over a float index: the first pass runs before the bound is tested,
// the bound and step are read once, and an index the step no longer moves ends the loop.
#pragma once

#include "platform/Number.h"

namespace platform {

// Runs body with index = from, from + step, ... while index <= to (the first pass always).
// A step too small to change the index (in a float) ends the loop instead of running for ever;
// an index that overflows is error 6.
template <class Body>
void CountBy(float& index, float from, float to, float step, Body body) {
  index = from;
  do {
    body();
    float next = chk(index + step);
    if (next == index) return;
    index = next;
  } while (index <= to);
}

// The same with a step of 1.
template <class Body>
void CountUp(float& index, float from, float to, Body body) {
  CountBy(index, from, to, 1, body);
}

}  // namespace platform
