// The real program, started for one test in a fresh folder of its own
// (NOLBPanel.exe and NOLB.DLL copied from bin/, since the settings file lives
// beside the program), driven through its windows and observed through its
// controls, its files and what the stand-in library received. The process is
// ended and the folder removed when the object goes.
//
//   auto panel = e2e::Panel::Start();
//   panel.Control("EditX").SetText(L"10");
//   panel.Control("ButtonApply").Click();
//   EXPECT_TRUE(e2e::Eventually([&] { return panel.Library().State().x == 10; }, "X reaches the library"));
//   EXPECT_EQ(panel.Close(), 0u);
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/journal.h"
#include "harness/message_dialog.h"
#include "harness/process.h"
#include "harness/read_only_mount.h"
#include "harness/temp_folder.h"
#include "harness/wait.h"
#include "harness/window.h"

namespace e2e {

inline constexpr wchar_t kPanelExe[] = L"NOLBPanel.exe";
// The console companion, copied beside the program when it is built.
inline constexpr wchar_t kCompanion[] = L"NOLBPanel.com";
inline constexpr wchar_t kLibraryDll[] = L"NOLB.DLL";
inline constexpr wchar_t kMainWindowClass[] = L"TMainForm";
// The last window the panel makes at start, after its main window is shown.
inline constexpr wchar_t kLastWindowClass[] = L"TFormSelect";

struct PanelOptions {
  // The file of bin/ copied beside the program as NOLB.DLL: the stand-in, or
  // a substitute (a fixture DLL); empty: no NOLB.DLL at all.
  std::wstring library = kLibraryDll;
  // NOLBPanel.ini beside the program, written byte for byte; none when unset.
  std::optional<std::string> settings{};
  // ListPos.txt and ListSize.txt in the current directory, byte for byte.
  std::optional<std::string> listPos{};
  std::optional<std::string> listSize{};
  // The process's current directory: a subfolder of the test folder, made
  // for it; empty: the program's own folder.
  std::wstring currentDirectory{};
  // The folder the program is given as %APPDATA%; empty: a subfolder
  // "AppData" of the test folder, so that no test writes into the Wine
  // prefix's profile.
  std::filesystem::path appData{};
  // The program's folder made read-only once its files are in place (see
  // read_only_mount.h): Start throws MountRefused when that is not allowed.
  bool readOnlyFolder = false;
  // Not started itself: this line is run by cmd.exe in the current directory
  // ("NOLBPanel /pos 2 & echo %errorlevel%"), and the panel is the process the
  // command started (the command window's); StartOutput() is what cmd wrote.
  std::wstring startedBy{};
  // Start returns once the main window is shown and the windows made after
  // it exist (it throws if the program ends or shows a message box first);
  // false: right after starting.
  bool waitForMainWindow = true;
};

class Panel {
 public:
  static Panel Start(const PanelOptions& options = {});

  Panel(Panel&&) noexcept = default;
  Panel& operator=(Panel&&) = delete;
  ~Panel();

  // Files.
  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::filesystem::path ExePath() const { return Folder() / kPanelExe; }
  std::filesystem::path CompanionPath() const { return Folder() / kCompanion; }
  // What the command line of PanelOptions::startedBy wrote, and how long it ran.
  const PromptRun& StartOutput() const { return startOutput_; }
  std::filesystem::path SettingsPath() const;  // NOLBPanel.ini beside the program
  const std::filesystem::path& CurrentDirectory() const { return currentDirectory_; }
  // The user's folder for the program: NOLB in the folder given as %APPDATA%.
  std::filesystem::path PerUserFolder() const { return appData_ / L"NOLB"; }
  // A value of the settings file; nothing when the key (or the file) is missing.
  std::optional<std::wstring> Setting(std::wstring_view section, std::wstring_view key) const;
  // The lines of a list file in the current directory ("ListPos.txt");
  // nothing when the file is missing.
  std::optional<std::vector<std::string>> ListFile(std::wstring_view name) const;

  // The process.
  Process& GetProcess() { return process_; }
  DWORD ProcessId() const { return process_.Id(); }
  bool Running() const { return process_.Running(); }
  // Starts another copy of the program from the same folder and current
  // directory, without waiting for anything.
  Process StartCopy() const;

  // Windows. Controls and forms are found by their designer name among all
  // top-level windows of the process and their descendants; Control waits
  // (bounded) for the name to appear and throws naming what it saw.
  Window MainWindow(Duration timeout = kDefaultTimeout) const;
  std::optional<Window> FindControl(std::string_view name) const;
  Window Control(std::string_view name, Duration timeout = kDefaultTimeout) const;
  std::vector<Window> TopLevelWindows() const;
  std::optional<MessageDialog> FindMessageBox() const;
  // Throws when none appears in time.
  MessageDialog WaitForMessageBox(Duration timeout = kDefaultTimeout) const;
  // Brings the main window to the front (for keyboard and mouse input).
  void Activate() const;
  // Opens a menu with Alt+menuKey and chooses the item with itemKey
  // (the underlined letters): Menu('O', 'H').
  void Menu(char menuKey, char itemKey) const;
  // The same for an item of a submenu: Menu('O', 'I', '1').
  void Menu(char menuKey, char itemKey, char subItemKey) const;

  // The stand-in library and this process's calls into it.
  const StandinLibrary& Library() const { return StandinLibrary::Get(); }
  std::vector<Call> Calls() const;

  // Ending. RequestClose posts WM_CLOSE to the main window; Close also waits
  // for the end and returns the exit code (throws when the program does not
  // end in time, e.g. because it asks a question).
  void RequestClose() const;
  DWORD Close(Duration timeout = kDefaultTimeout);
  DWORD WaitForExit(Duration timeout = kDefaultTimeout) const;
  // Terminates the program at once; returns the exit code it ended with.
  DWORD Kill() {
    process_.Kill();
    return process_.ExitCode();
  }

 private:
  Panel() = default;
  void WaitForMainWindowShown() const;
  std::string Describe() const;

  TempFolder folder_;
  // Removed after the process has ended, before the folder goes.
  std::unique_ptr<ReadOnlyMount> readOnly_;
  std::filesystem::path currentDirectory_;
  std::filesystem::path appData_;
  Process process_;
  PromptRun startOutput_;
};

}  // namespace e2e
