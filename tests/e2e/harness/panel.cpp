#include "harness/panel.h"

#include <windows.h>

#include <algorithm>

#include "harness/error.h"
#include "harness/input.h"
#include "harness/screenshot.h"
#include "harness/text.h"

namespace e2e {

namespace {

constexpr wchar_t kSingleInstanceMutex[] = L"NOLB_Boot";
constexpr wchar_t kCommandWindowClass[] = L"NOLB_Command";  // made once the start-up is done

bool AnotherCopyRuns() {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kSingleInstanceMutex);
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

void CopyFromBin(const std::wstring& name, const std::filesystem::path& to) {
  std::filesystem::path from = BinDir() / name;
  std::error_code error;
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
  if (error) {
    throw HarnessError("cannot copy " + Utf8(from.wstring()) + " to " + Utf8(to.wstring()) + ": " +
                       error.message() + (std::filesystem::exists(from) ? "" : " (not built?)"));
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

Panel Panel::Start(const PanelOptions& options) {
  SaveScreenshotsOfFailures();
  // The program runs as a single instance: a copy left by an earlier test
  // would make this one end at once.
  if (!WaitUntil([] { return !AnotherCopyRuns(); })) {
    throw HarnessError("another copy of NOLBPanel.exe is still running");
  }
  Panel panel;
  const auto& folder = panel.Folder();
  CopyFromBin(kPanelExe, folder / kPanelExe);
  if (std::filesystem::exists(BinDir() / kCompanion)) CopyFromBin(kCompanion, folder / kCompanion);
  if (!options.library.empty()) CopyFromBin(options.library, folder / kLibraryDll);
  if (options.settings) WriteFile(panel.SettingsPath(), *options.settings);

  panel.currentDirectory_ = folder;
  if (!options.currentDirectory.empty()) {
    panel.currentDirectory_ = folder / options.currentDirectory;
    std::filesystem::create_directories(panel.currentDirectory_);
  }
  if (options.listPos) WriteFile(panel.currentDirectory_ / L"ListPos.txt", *options.listPos);
  if (options.listSize) WriteFile(panel.currentDirectory_ / L"ListSize.txt", *options.listSize);

  panel.appData_ = options.appData.empty() ? folder / L"AppData" : options.appData;
  if (options.readOnlyFolder) panel.readOnly_ = std::make_unique<ReadOnlyMount>(folder);
  // The program inherits the variable.
  SetEnvironmentVariableW(L"APPDATA", panel.appData_.c_str());
  if (options.startedBy.empty()) {
    panel.process_ = Process::Start(panel.ExePath(), {}, panel.currentDirectory_);
  } else {
    panel.startOutput_ = RunInCommandPrompt(options.startedBy, panel.currentDirectory_);
    HWND commands = FindWindowExW(HWND_MESSAGE, nullptr, kCommandWindowClass, nullptr);
    DWORD id = 0;
    if (!commands || !GetWindowThreadProcessId(commands, &id)) {
      throw HarnessError("no panel runs after " + Utf8(options.startedBy) + ", which wrote: " +
                         panel.startOutput_.output);
    }
    panel.process_ = Process::Open(id);
  }
  if (options.waitForMainWindow) panel.WaitForMainWindowShown();
  return panel;
}

Panel::~Panel() {
  // Ended before the folder (a member declared earlier) is removed.
  process_.Kill();
}

std::filesystem::path Panel::SettingsPath() const { return Folder() / L"NOLBPanel.ini"; }

std::optional<std::wstring> Panel::Setting(std::wstring_view section, std::wstring_view key) const {
  // A default no file can hold tells a missing key from an empty value.
  static constexpr wchar_t kMissing[] = L"\x1\x2missing";
  std::wstring value(4096, L'\0');
  DWORD length = GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(), kMissing,
                                          value.data(), static_cast<DWORD>(value.size()),
                                          SettingsPath().c_str());
  value.resize(length);
  if (value == kMissing) return std::nullopt;
  return value;
}

std::optional<std::vector<std::string>> Panel::ListFile(std::wstring_view name) const {
  std::filesystem::path file = currentDirectory_ / name;
  if (!std::filesystem::exists(file)) return std::nullopt;
  return SplitLines(ReadFile(file));
}

Process Panel::StartCopy() const { return Process::Start(ExePath(), {}, currentDirectory_); }

std::vector<Window> Panel::TopLevelWindows() const { return e2e::TopLevelWindows(ProcessId()); }

void Panel::WaitForMainWindowShown() const {
  std::optional<MessageDialog> box;
  bool ended = false;
  // The main window is shown first; the program's other windows (and its
  // hotkeys) follow from its message loop.
  bool shown = WaitUntil([&] {
    bool main = false, last = false;
    for (const auto& window : TopLevelWindows()) {
      main = main || (window.ClassName() == kMainWindowClass && window.Visible());
      last = last || window.ClassName() == kLastWindowClass;
    }
    if (main && last) return true;
    box = FindMessageBox();
    ended = !process_.Running();
    return box.has_value() || ended;
  });
  if (shown && !box && !ended) return;
  if (box) throw HarnessError(Describe() + " shows a message box instead of its main window: " + box->Describe());
  if (ended) {
    throw HarnessError(Describe() + " ended with code " + std::to_string(process_.ExitCode()) +
                       " before showing its main window");
  }
  throw HarnessError(Describe() + " did not show its main window in time");
}

Window Panel::MainWindow(Duration timeout) const {
  std::optional<Window> found;
  WaitUntil(
      [&] {
        for (const auto& window : TopLevelWindows()) {
          if (window.ClassName() == kMainWindowClass) found = window;
        }
        return found.has_value() || !process_.Running();
      },
      timeout);
  if (!found && !process_.Running()) {
    throw HarnessError(Describe() + " has ended with code " + std::to_string(process_.ExitCode()) +
                       "; it has no main window");
  }
  if (!found) throw HarnessError(Describe() + " has no main window (" + Utf8(kMainWindowClass) + ")");
  return *found;
}

std::optional<Window> Panel::FindControl(std::string_view name) const {
  // Dialogs reuse designer names ("Label1", "GroupBox1"): the main window's
  // control comes first.
  std::vector<Window> roots = TopLevelWindows();
  std::stable_partition(roots.begin(), roots.end(),
                        [](const Window& w) { return w.ClassName() == kMainWindowClass; });
  return FindNamed(roots, name);
}

Window Panel::Control(std::string_view name, Duration timeout) const {
  std::optional<Window> found;
  WaitUntil(
      [&] {
        found = FindControl(name);
        return found.has_value() || !process_.Running();
      },
      timeout);
  if (found) return *found;
  if (!process_.Running()) {
    throw HarnessError(Describe() + " has ended with code " + std::to_string(process_.ExitCode()) +
                       "; no window named " + std::string(name));
  }
  std::string seen;
  for (const auto& top : TopLevelWindows()) {
    auto windows = top.Children();
    windows.insert(windows.begin(), top);
    for (const auto& window : windows) {
      if (!window.Name().empty()) seen += " " + window.Name();
    }
  }
  throw HarnessError(Describe() + " has no window named " + std::string(name) +
                     "; named windows:" + (seen.empty() ? " none" : seen));
}

std::optional<MessageDialog> Panel::FindMessageBox() const {
  auto boxes = MessageBoxesOf(ProcessId());
  if (boxes.empty()) return std::nullopt;
  return boxes.front();
}

MessageDialog Panel::WaitForMessageBox(Duration timeout) const {
  auto box = e2e::WaitForMessageBox(ProcessId(), timeout);
  if (!box) throw HarnessError(Describe() + " showed no message box within " + std::to_string(timeout.count()) + " ms");
  return *box;
}

void Panel::Activate() const { BringToFront(MainWindow()); }

void Panel::Menu(char menuKey, char itemKey) const {
  Activate();
  input::Chord({VK_MENU, static_cast<WORD>(menuKey)});
  input::Press(static_cast<WORD>(itemKey));
}

void Panel::Menu(char menuKey, char itemKey, char subItemKey) const {
  Menu(menuKey, itemKey);
  input::Press(static_cast<WORD>(subItemKey));
}

std::vector<Call> Panel::Calls() const { return FromProcess(Library().Journal(), ProcessId()); }

void Panel::RequestClose() const { MainWindow().Close(); }

DWORD Panel::Close(Duration timeout) {
  RequestClose();
  return WaitForExit(timeout);
}

DWORD Panel::WaitForExit(Duration timeout) const {
  auto code = process_.WaitForExit(timeout);
  if (code) return *code;
  std::string why;
  if (auto box = FindMessageBox()) why = "; it shows a message box: " + box->Describe();
  throw HarnessError(Describe() + " did not end within " + std::to_string(timeout.count()) + " ms" + why);
}

std::string Panel::Describe() const { return "NOLBPanel.exe (pid " + std::to_string(ProcessId()) + ")"; }

}  // namespace e2e
