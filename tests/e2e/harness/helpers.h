// Other programs a test starts beside the panel: the encoder simulator and
// the target window program, both built into bin/.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "harness/process.h"
#include "harness/wait.h"
#include "harness/window.h"

namespace e2e {

// Starts a program of bin/ ("encoder_sim.exe") with the arguments.
Process StartHelper(const std::wstring& exe, const std::vector<std::wstring>& args = {});

struct TargetOptions {
  std::wstring title = L"NOLB e2e target";
  RECT frame{200, 150, 200 + 400, 150 + 300};  // screen coordinates of the window
  RECT child{20, 20, 20 + 160, 20 + 60};       // client coordinates of its child control
  std::optional<COLORREF> background{};        // of the client area; default: the system's window colour
};

// e2e_target.exe: a top-level window (class "NolbE2ETarget") with one child
// control, which ends with exit code 0 when asked to close. Killed if still
// running when the object goes.
class TargetWindow {
 public:
  static constexpr wchar_t kClass[] = L"NolbE2ETarget";

  static TargetWindow Start(const TargetOptions& options = {});

  Window Main() const { return main_; }
  Window Child() const { return child_; }
  DWORD ProcessId() const { return process_.Id(); }
  // Posts WM_CLOSE and waits for the end; returns the exit code.
  DWORD Close(Duration timeout = kDefaultTimeout);
  void Kill() { process_.Kill(); }

 private:
  Process process_;
  Window main_;
  Window child_;
};

}  // namespace e2e
