// For tests: the run-time error number a piece of code raises, or 0 when it raises none.
#pragma once
#include "platform/Errors.h"

namespace platform {

template <class F>
int errorOf(F&& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.code;
  }
  return 0;
}

}  // namespace platform
