#include "hook/nolb_library_win.h"

#include "base/error.h"
#include "ui/text_win.h"

namespace nolb {
namespace {

std::wstring ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

std::unique_ptr<NolbLibrary> NolbLibrary::Load() {
  // Take the current directory out of the search path of every later load,
  // and load the library by its full path, so that no planted DLL is used.
  SetDllDirectoryW(L"");
  std::wstring path = ExecutableFolder() + L"NOLB.DLL";
  std::unique_ptr<NolbLibrary> library(new NolbLibrary());
  library->module_.Reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!library->module_) {
    throw Error(ui::Narrow(path) + " を読み込めません");
  }
  HMODULE module = library->module_.Get();
#define NOLB_RESOLVE(name)                                                               \
  library->name##_ = reinterpret_cast<name##Fn>(                                          \
      reinterpret_cast<void*>(GetProcAddress(module, #name)));                            \
  if (!library->name##_) throw Error("NOLB.DLL に関数 " #name " がありません");
  NOLB_FOR_EACH_EXPORT(NOLB_RESOLVE)
#undef NOLB_RESOLVE
  return library;
}

HookTarget NolbLibrary::GetTarget() {
  HWND window = nullptr;
  int x = 0, y = 0, width = 0, height = 0;
  NOLB_GetTarget_(&window, &x, &y, &width, &height);
  return {reinterpret_cast<WindowId>(window), x, y, width, height};
}

double NolbLibrary::GetStatus() {
  double seconds = 0;
  NOLB_GetStatus_(&seconds);
  return seconds;
}

}  // namespace nolb
