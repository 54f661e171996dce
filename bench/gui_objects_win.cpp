#include "bench/gui_objects_win.h"

#include <vector>

#include "bench/linux_process_win.h"
#include "ui/handles_win.h"

namespace bench {
namespace {

// Wine's GDI handle table: 16384 entries of 24 bytes, the type at byte 14.
constexpr size_t kGdiHandles = 16384;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiEntryType = 14;
// Offsets: GdiBatchCount in the 32-bit TEB, the PEB in the 64-bit TEB,
// GdiSharedHandleTable in the 64-bit PEB.
constexpr UINT_PTR kTebGdiBatchCount = 0xF70;
constexpr UINT_PTR kTeb64Peb = 0x60;
constexpr UINT_PTR kPeb64GdiSharedHandleTable = 0xF8;

struct ThreadBasicInformation {
  LONG exitStatus;
  PVOID teb;
  HANDLE uniqueProcess;
  HANDLE uniqueThread;
  ULONG_PTR affinity;
  LONG priority;
  LONG basePriority;
};

template <typename T>
std::optional<T> Read(HANDLE process, UINT_PTR address) {
  T value{};
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), &value, sizeof value, &read) ||
      read != sizeof value) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> WineGdiObjects(DWORD processId, DWORD threadId) {
  ui::KernelHandle process(OpenProcess(PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, processId));
  ui::KernelHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId));
  using QueryThread = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryThread>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
  ThreadBasicInformation basic{};
  if (!process || !thread || !query || query(thread.Get(), 0, &basic, sizeof basic, nullptr) != 0) {
    return std::nullopt;
  }
  auto teb64 = Read<DWORD>(process.Get(), reinterpret_cast<UINT_PTR>(basic.teb) + kTebGdiBatchCount);
  if (!teb64 || !*teb64) return std::nullopt;
  auto peb64 = Read<DWORD64>(process.Get(), *teb64 + kTeb64Peb);
  if (!peb64 || *peb64 > 0xFFFFFFFFu) return std::nullopt;
  auto table = Read<DWORD>(process.Get(), static_cast<UINT_PTR>(*peb64) + kPeb64GdiSharedHandleTable);
  if (!table || !*table) return std::nullopt;
  std::vector<BYTE> entries(kGdiHandles * kGdiEntrySize);
  SIZE_T read = 0;
  if (!ReadProcessMemory(process.Get(), reinterpret_cast<LPCVOID>(static_cast<UINT_PTR>(*table)), entries.data(),
                         entries.size(), &read) ||
      read != entries.size()) {
    return std::nullopt;
  }
  int used = 0;
  for (size_t i = 0; i < kGdiHandles; ++i) used += entries[i * kGdiEntrySize + kGdiEntryType] != 0;
  return used;
}

struct WindowCount {
  DWORD processId;
  int windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM parameter) {
  ++reinterpret_cast<WindowCount*>(parameter)->windows;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM parameter) {
  auto* count = reinterpret_cast<WindowCount*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->processId) {
    ++count->windows;
    EnumChildWindows(window, CountChild, parameter);
  }
  return TRUE;
}

}  // namespace

GuiObjects CountGuiObjects(DWORD processId, DWORD threadId) {
  GuiObjects objects;
  if (!UnderWine()) {
    ui::KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (process) {
      objects.gdi = static_cast<int>(GetGuiResources(process.Get(), GR_GDIOBJECTS));
      objects.user = static_cast<int>(GetGuiResources(process.Get(), GR_USEROBJECTS));
    }
    return objects;
  }
  objects.gdi = WineGdiObjects(processId, threadId);
  WindowCount count{processId, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  objects.user = count.windows;
  objects.userAreWindows = true;
  return objects;
}

}  // namespace bench
