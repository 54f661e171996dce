#include "harness/message_dialog.h"

#include "harness/error.h"
#include "harness/text.h"

namespace e2e {

namespace {
constexpr int kMessageTextId = 0xFFFF;
}

std::wstring MessageDialog::Text() const {
  for (const auto& child : window_.Children()) {
    if ((child.Id() & 0xFFFF) == kMessageTextId && child.ClassName() == L"Static") return child.Text();
  }
  throw HarnessError("message box " + window_.Describe() + " has no text control");
}

std::vector<int> MessageDialog::Buttons() const {
  std::vector<int> ids;
  for (const auto& child : window_.Children()) {
    if (child.ClassName() == L"Button" && child.Visible()) ids.push_back(child.Id());
  }
  return ids;
}

void MessageDialog::Press(int id) const {
  HWND button = GetDlgItem(window_.Handle(), id);
  if (!button) throw HarnessError("message box \"" + Describe() + "\" has no button " + std::to_string(id));
  Window(button).Click();
}

bool MessageDialog::WaitClosed(Duration timeout) const {
  return WaitUntil([&] { return !window_.Exists() || !window_.Visible(); }, timeout);
}

std::string MessageDialog::Describe() const { return Utf8(Title()) + ": " + Utf8(Text()); }

std::vector<MessageDialog> MessageBoxesOf(DWORD processId) {
  std::vector<MessageDialog> boxes;
  for (const auto& window : TopLevelWindows(processId)) {
    if (window.ClassName() == L"#32770" && window.Visible()) boxes.emplace_back(window);
  }
  return boxes;
}

std::optional<MessageDialog> WaitForMessageBox(DWORD processId, Duration timeout) {
  std::optional<MessageDialog> found;
  WaitUntil(
      [&] {
        auto boxes = MessageBoxesOf(processId);
        if (!boxes.empty()) found = boxes.front();
        return found.has_value();
      },
      timeout);
  return found;
}

}  // namespace e2e
