#include "harness/panel_session.h"

#include <string.h>

#include <optional>

#include "harness/error.h"
#include "harness/temp_folder.h"
#include "standin/standin_library_win.h"

namespace e2e {

namespace {

std::string Listing(const std::vector<Call>& calls) {
  std::string text;
  for (size_t i = 0; i < calls.size(); ++i) text += "    " + std::to_string(i) + ": " + calls[i].ToString() + "\n";
  return text.empty() ? "    (none)\n" : text;
}

std::string Listing(const std::vector<std::string>& patterns) {
  std::string text;
  for (size_t i = 0; i < patterns.size(); ++i) text += "    " + std::to_string(i) + ": " + patterns[i] + "\n";
  return text.empty() ? "    (none)\n" : text;
}

std::string Trimmed(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  size_t end = text.find_last_not_of(" \t");
  return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

std::optional<std::string> FileBytes(const std::filesystem::path& file) {
  if (!std::filesystem::is_regular_file(file)) return std::nullopt;
  return ReadFile(file);
}

}  // namespace

Window FocusedControl(const Panel& panel) {
  DWORD thread = GetWindowThreadProcessId(panel.MainWindow().Handle(), nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread, &info)) ThrowLastError("GetGUIThreadInfo of the panel's thread");
  return Window(info.hwndFocus);
}

void Settle(const Panel& panel) {
  // Messages posted to one thread are handled in order: once a selection
  // posted now shows in the read-only caption box, everything before it is done.
  Window box = panel.Control("EditWindowCaption");
  auto selection = static_cast<DWORD>(box.Send(EM_GETSEL));
  DWORD wanted = selection == MAKELONG(0, 1) ? MAKELONG(0, 0) : MAKELONG(0, 1);
  box.Post(EM_SETSEL, LOWORD(wanted), HIWORD(wanted));
  if (!WaitUntil([&] { return static_cast<DWORD>(box.Send(EM_GETSEL)) == wanted; })) {
    throw HarnessError("the panel did not handle a posted message in time");
  }
}

std::vector<std::wstring> RectangleEdits(const Panel& panel) {
  return {panel.Control("EditX").Text(), panel.Control("EditY").Text(), panel.Control("EditWidth").Text(),
          panel.Control("EditHeight").Text()};
}

void SetRectangleEdits(const Panel& panel, int x, int y, int width, int height) {
  panel.Control("EditX").SetText(std::to_wstring(x));
  panel.Control("EditY").SetText(std::to_wstring(y));
  panel.Control("EditWidth").SetText(std::to_wstring(width));
  panel.Control("EditHeight").SetText(std::to_wstring(height));
}

std::vector<std::wstring> RectangleTexts(int x, int y, int width, int height) {
  return {std::to_wstring(x), std::to_wstring(y), std::to_wstring(width), std::to_wstring(height)};
}

uint32_t JournalMark() {
  auto journal = StandinLibrary::Get().Journal();
  return journal.empty() ? 0 : journal.back().sequence;
}

uint64_t JournalClock() {
  // The library's own reading of the performance counter, one clock for
  // every process.
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  const auto ticks = static_cast<uint64_t>(now.QuadPart);
  const auto perSecond = static_cast<uint64_t>(frequency.QuadPart);
  return ticks / perSecond * 1000000 + ticks % perSecond * 1000000 / perSecond;
}

std::vector<Call> CallsSince(const Panel& panel, uint32_t mark) {
  std::vector<Call> calls;
  for (const auto& call : WithoutQueries(panel.Calls())) {
    if (call.sequence > mark) calls.push_back(call);
  }
  return calls;
}

namespace {

size_t CallsNamedSince(const Panel& panel, const char* function, uint32_t mark) {
  size_t calls = 0;
  for (const auto& call : Named(panel.Calls(), function)) calls += call.sequence > mark ? 1 : 0;
  return calls;
}

}  // namespace

size_t WatchTicksSince(const Panel& panel, uint32_t mark) { return CallsNamedSince(panel, "NOLB_IsEnabled", mark); }

size_t StatusTicksSince(const Panel& panel, uint32_t mark) { return CallsNamedSince(panel, "NOLB_IsHooked", mark); }

std::vector<Call> WaitForPush(const Panel& panel, uint32_t mark, Duration timeout) {
  std::vector<Call> calls;
  WaitUntil(
      [&] {
        calls = CallsSince(panel, mark);
        return !Named(calls, "NOLB_Unlock").empty();
      },
      timeout);
  return calls;
}

std::string SetTargetCall(int32_t target, int32_t x, int32_t y, int32_t width, int32_t height) {
  return "NOLB_SetTarget(" + std::to_string(target) + ", " + std::to_string(x) + ", " + std::to_string(y) + ", " +
         std::to_string(width) + ", " + std::to_string(height) + ")";
}

std::vector<std::string> PushOf(int32_t target, int32_t x, int32_t y, int32_t width, int32_t height) {
  return {"NOLB_Lock", "NOLB_SetMode", SetTargetCall(target, x, y, width, height), "NOLB_Enabled(1)", "NOLB_Unlock"};
}

::testing::AssertionResult CallsAreList(const std::vector<Call>& actual, const std::vector<std::string>& expected) {
  bool same = actual.size() == expected.size();
  for (size_t i = 0; same && i < actual.size(); ++i) same = Matches(actual[i], expected[i]);
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\n  expected calls:\n"
                                       << Listing(expected) << "  actual calls:\n"
                                       << Listing(actual);
}

std::vector<std::pair<std::string, std::string>> SectionEntries(const std::filesystem::path& file,
                                                                const std::string& section) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::string text = ReadFile(file);
  bool inside = false;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    std::string line = Trimmed(text.substr(at, end - at));
    at = text.find_first_not_of("\r\n", end);
    if (at == std::string::npos) at = text.size();
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      inside = _stricmp(line.substr(1, line.size() - 2).c_str(), section.c_str()) == 0;
      continue;
    }
    if (!inside) continue;
    size_t equals = line.find('=');
    if (equals == std::string::npos) {
      entries.emplace_back(line, "");
    } else {
      entries.emplace_back(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
    }
  }
  return entries;
}

PanelOptions CarriedOver(const Panel& ended, PanelOptions options) {
  options.settings = FileBytes(ended.SettingsPath());
  options.listPos = FileBytes(ended.CurrentDirectory() / L"ListPos.txt");
  options.listSize = FileBytes(ended.CurrentDirectory() / L"ListSize.txt");
  if (options.currentDirectory.empty()) {
    std::filesystem::path relative = ended.CurrentDirectory().lexically_relative(ended.Folder());
    if (!relative.empty() && relative != L".") options.currentDirectory = relative.wstring();
  }
  return options;
}

Panel StartWaitingInInit(PanelOptions options, const std::function<void(const Window& main)>& whileWaiting) {
  static nolb::standin::StandinLibrary library;
  if (!library.NOLB_Lock()) throw HarnessError("the library's lock could not be had");
  struct Unlock {
    ~Unlock() { library.NOLB_Unlock(); }
  } unlock;
  options.waitForMainWindow = false;
  Panel panel = Panel::Start(options);
  std::optional<Window> main;
  if (!WaitUntil([&] {
        for (const Window& window : panel.TopLevelWindows()) {
          if (window.ClassName() == kMainWindowClass) main = window;
        }
        return main.has_value();
      })) {
    throw HarnessError("the panel made no main window while it waited in NOLB_Init");
  }
  whileWaiting(*main);
  return panel;
}

}  // namespace e2e
