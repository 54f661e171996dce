#include "command/command_start_win.h"

#include <windows.h>
#include <shellapi.h>

#include "command/command_sender_win.h"
#include "command/command_text.h"
#include "command/command_transfer.h"
#include "command/command_window_win.h"
#include "ui/console_win.h"

namespace nolb {
namespace {

void Report(const CommandResult& result, const std::vector<std::string>& text) {
  if (result.reason != CommandReason::kNone) {
    ui::WriteToStartingConsole(ui::ConsoleStream::kError, CommandResultText(result, text));
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
    Report(parsed.error, start.text);
    start.exitCode = parsed.error.ExitCode();
  } else if (parsed.command.help) {
    ui::WriteToStartingConsole(ui::ConsoleStream::kOutput, CommandHelpText());
    start.exitCode = 0;
  } else {
    start.command = std::move(parsed.command);
  }
  return start;
}

int HandOverToPanel(const StartCommand& start) {
  if (!start.command) return 0;
  const CommandResult result = SendCommandToPanel(start.arguments);
  Report(result, start.text);
  return result.ExitCode();
}

void RunStartCommand(CommandWindow& window, const StartCommand& start) {
  if (start.command) Report(window.CarryOut(*start.command), start.text);
}

}  // namespace nolb
