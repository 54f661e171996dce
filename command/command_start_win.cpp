#include "command/command_start_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "base/native_path.h"
#include "command/command_console_win.h"
#include "command/command_sender_win.h"
#include "command/command_text.h"
#include "command/command_transfer.h"
#include "command/panel_process_win.h"
#include "ui/error_report_win.h"
#include "ui/notice_balloon_win.h"
#include "ui/settings_store_win.h"
#include "ui/text_win.h"

namespace nolb {
namespace {

// A failure that no panel can tell (none answered), for a process without
// a console: a notice of its own above the notification area, until it goes.
void ShowOwnNotice(const std::string& text) {
  // The balloon's class, from the common controls, which a command that
  // goes well never loads.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  if (HMODULE comctl32 = LoadLibraryW(L"comctl32.dll")) {
    if (auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(comctl32, "InitCommonControlsEx")))) {
      init(&controls);
    }
  }
  // A hidden owner: the balloon then stands where the notification area is.
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  {
    ui::NoticeBalloon balloon;
    balloon.Show(owner, ui::kApplicationTitle, ui::Widen(text));
    MSG msg;
    while (balloon.Shown() && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  }
  if (owner) DestroyWindow(owner);
}

// What went wrong, where the process was started from. Without a console
// the panel has told what it answered; anything else (a bad command line,
// no panel that answered) the process shows itself.
void Report(const CommandOutcome& outcome, const std::vector<std::string>& text, bool panelAnswered) {
  if (outcome.result.reason == CommandReason::kNone) return;
  if (StartingOutput(ConsoleStream::kError) != OutputForm::kNone) {
    WriteToStartingConsole(ConsoleStream::kError, CommandOutcomeText(outcome, text));
  } else if (!panelAnswered) {
    ShowOwnNotice(CommandResultMessage(outcome, text));
  }
}

}  // namespace

StartCommand ReadStartCommand() {
  StartCommand start;
  int count = 0;
  if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) {
      const std::wstring_view argument(argv[i]);
      start.arguments.emplace_back(argument.begin(), argument.end());
    }
    LocalFree(argv);
  }
  if (start.arguments.empty()) return start;
  CommandArguments arguments = ArgumentsAsText(start.arguments);
  ParsedCommand parsed;
  parsed.error = arguments.error;
  if (parsed.error.reason == CommandReason::kNone) parsed = ParseCommandLine(arguments.text);
  start.text = std::move(arguments.text);
  if (parsed.error.reason != CommandReason::kNone) {
    Report({parsed.error}, start.text, false);
    start.exitCode = parsed.error.ExitCode();
  } else if (parsed.command.help) {
    WriteToStartingConsole(ConsoleStream::kOutput, CommandHelpText(NativeToUtf8(FileNameOf(ExecutablePath()))));
    start.exitCode = 0;
  } else {
    start.command = std::move(parsed.command);
  }
  return start;
}

int RunCommandProcess(Starter starter, const StartCommand& start) {
  const OutputForm output = StartingOutput(ConsoleStream::kError);
  const std::uint32_t marker = !start.command               ? kShowPanelMarker
                               : output == OutputForm::kNone ? kNoticeCommandMarker
                                                             : kCommandMarker;
  CommandOutcome outcome;
  ui::KernelHandle panel;
  switch (ChooseStartAction(starter, start.command.has_value(), LookForPanel())) {
    case StartAction::kStartPanelAndSend:
      panel = StartPanelProcess();
      if (!panel) {
        outcome.result = {CommandReason::kCannotStartPanel, -1};
        break;
      }
      [[fallthrough]];
    case StartAction::kSend:
      outcome = DeliverToPanel(marker, start.command ? start.arguments : std::vector<std::u16string>{}, panel.Get());
      break;
    default:  // kRefuse: the others do not come with a command
      outcome.result = {CommandReason::kRefused, -1};
      break;
  }
  // A panel never answers that no panel answered.
  Report(outcome, start.text, outcome.result.Status() != CommandStatus::kNoAnswer);
  return outcome.result.ExitCode();
}

void WarnOfElevatedPanel() {
  const std::wstring text = ui::Widen(CommandResultMessage({{CommandReason::kRefused, -1}}, {}));
  MessageBoxW(nullptr, text.c_str(), ui::kApplicationTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace nolb
