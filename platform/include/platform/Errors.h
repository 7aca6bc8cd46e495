// Run-time errors of the lesson programs, and the signal that ends a run.
// An error carries the number the error screen shows; the line is the program's current line.
#pragma once
#include <exception>

namespace platform {

enum ErrorCode : int {
  IllegalFunctionCall = 5,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  DivisionByZero = 11,
};

struct RuntimeError : std::exception {
  int code;
  explicit RuntimeError(int c) : code(c) {}
  const char* what() const noexcept override { return "run-time error"; }
};

// Thrown to end the run: the window was closed, the program reached its end,
// or a replay script ran out. Never a failure: the process exits with `status`.
struct ProgramExit {
  int status = 0;
};

[[noreturn]] inline void raise(int code) { throw RuntimeError(code); }

}  // namespace platform
