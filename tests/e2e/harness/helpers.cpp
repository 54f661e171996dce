#include "harness/helpers.h"

#include "harness/error.h"
#include "harness/text.h"

namespace e2e {

Process StartHelper(const std::wstring& exe, const std::vector<std::wstring>& args) {
  return Process::Start(BinDir() / exe, args);
}

TargetWindow TargetWindow::Start(const TargetOptions& options) {
  auto number = [](LONG value) { return std::to_wstring(value); };
  const RECT& f = options.frame;
  const RECT& c = options.child;
  std::vector<std::wstring> args{options.title, number(f.left), number(f.top), number(f.right - f.left),
                                 number(f.bottom - f.top), number(c.left), number(c.top),
                                 number(c.right - c.left), number(c.bottom - c.top)};
  if (options.background) args.push_back(number(static_cast<LONG>(*options.background)));
  TargetWindow target;
  target.process_ = StartHelper(L"e2e_target.exe", args);
  bool shown = WaitUntil([&] {
    for (const auto& window : TopLevelWindows(target.process_.Id())) {
      if (window.ClassName() == kClass && window.Visible()) {
        auto children = window.Children();
        if (children.empty()) continue;
        target.main_ = window;
        target.child_ = children.front();
        return true;
      }
    }
    return !target.process_.Running();
  });
  if (!shown || !target.main_) {
    throw HarnessError("e2e_target.exe did not show its window" +
                       (target.process_.Running() ? std::string()
                                                  : ", it ended with code " +
                                                        std::to_string(target.process_.ExitCode())));
  }
  return target;
}

DWORD TargetWindow::Close(Duration timeout) {
  main_.Close();
  auto code = process_.WaitForExit(timeout);
  if (!code) throw HarnessError("e2e_target.exe did not end within " + std::to_string(timeout.count()) + " ms");
  return *code;
}

}  // namespace e2e
