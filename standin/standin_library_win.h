// NOLB.DLL as the encoder simulator, the benchmark and the end-to-end tests
// load it: from the folder of the running executable, by full path, with
// all fifteen functions and the stand-in's extra exports resolved.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

#include "hook/nolb_exports_win.h"
#include "standin/standin_test_api.h"
#include "ui/handles_win.h"

namespace nolb::standin {

// The full path of a file beside the running executable.
inline std::wstring BesideExecutable(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) throw std::runtime_error("GetModuleFileNameW failed");
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(L"\\/") + 1);
  return path + fileName;
}

class StandinLibrary {
 public:
  // Throws std::runtime_error naming what could not be loaded or found.
  StandinLibrary() : module_(LoadLibraryW(BesideExecutable(L"NOLB.DLL").c_str())) {
    if (!module_) throw std::runtime_error("NOLB.DLL could not be loaded from the program's folder");
#define NOLB_RESOLVE(name) Resolve(name, #name);
    NOLB_FOR_EACH_EXPORT(NOLB_RESOLVE)
#undef NOLB_RESOLVE
    Resolve(NOLBTest_ReadJournal, "NOLBTest_ReadJournal");
    Resolve(NOLBTest_ClearJournal, "NOLBTest_ClearJournal");
    Resolve(NOLBTest_ReadState, "NOLBTest_ReadState");
    Resolve(NOLBTest_SetStatus, "NOLBTest_SetStatus");
    Resolve(NOLBSim_Attach, "NOLBSim_Attach");
    Resolve(NOLBSim_Detach, "NOLBSim_Detach");
  }

  NolbStateView ReadState() const {
    NolbStateView view{};
    NOLBTest_ReadState(&view);
    return view;
  }

#define NOLB_MEMBER(name) name##Fn name = nullptr;
  NOLB_FOR_EACH_EXPORT(NOLB_MEMBER)
#undef NOLB_MEMBER
  NOLBTest_ReadJournalFn NOLBTest_ReadJournal = nullptr;
  NOLBTest_ClearJournalFn NOLBTest_ClearJournal = nullptr;
  NOLBTest_ReadStateFn NOLBTest_ReadState = nullptr;
  NOLBTest_SetStatusFn NOLBTest_SetStatus = nullptr;
  NOLBSim_AttachFn NOLBSim_Attach = nullptr;
  NOLBSim_DetachFn NOLBSim_Detach = nullptr;

 private:
  template <typename Fn>
  void Resolve(Fn& function, const char* name) {
    function = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), name)));
    if (!function) throw std::runtime_error(std::string("NOLB.DLL does not export ") + name);
  }

  ui::Module module_;
};

}  // namespace nolb::standin
