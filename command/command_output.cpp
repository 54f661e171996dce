#include "command/command_output.h"

namespace nolb {

OutputForm ChooseOutputForm(StandardHandle handle, bool parentHasConsole) {
  if (handle == StandardHandle::kConsole) return OutputForm::kConsole;
  if (handle == StandardHandle::kFileOrPipe) return OutputForm::kBytes;
  return parentHasConsole ? OutputForm::kParentConsole : OutputForm::kNone;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace nolb
