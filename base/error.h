// The program's error: raised by a rule or a handler, it ends that handler
// and is shown by the default error report. Messages are UTF-8.
#pragma once

#include <stdexcept>
#include <string>

namespace nolb {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The text of the default error report: the message, followed by "." when
// its last character sorts after ".".
std::string ErrorReportText(const std::string& message);

}  // namespace nolb
