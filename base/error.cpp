#include "base/error.h"

namespace nolb {

std::string ErrorReportText(const std::string& message) {
  // A multi-byte UTF-8 character ends in a byte above 0x7F, which sorts
  // after "." just as the character itself does.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

}  // namespace nolb
