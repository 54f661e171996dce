// What the harness throws when it cannot do what a test asked (a program
// that does not start, a window that never appears). gtest reports the
// exception's text as the test's failure.
#pragma once

#include <stdexcept>
#include <string>

namespace e2e {

class HarnessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system's text for an error code, e.g. "(2) The system cannot find the file specified."
std::string SystemErrorText(unsigned long code);

// Throws HarnessError with what, followed by the text of GetLastError().
[[noreturn]] void ThrowLastError(const std::string& what);

}  // namespace e2e
