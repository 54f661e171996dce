#include "shared_state_win.h"

#include "ui/handles_win.h"

namespace nolb::standin {

namespace {

struct SharedHandles {
  ui::KernelHandle mutex;
  ui::KernelHandle mapping;
  SharedState* state = nullptr;
};

SharedHandles& Shared() {
  static SharedHandles handles;
  return handles;
}

}  // namespace

bool OpenSharedState() {
  SharedHandles& shared = Shared();
  shared.mutex.Reset(CreateMutexW(nullptr, FALSE, kStateMutexName));
  // A new mapping is zero-filled, which is a valid fresh state.
  shared.mapping.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(SharedState), kStateMappingName));
  if (!shared.mutex || !shared.mapping) return false;
  shared.state = static_cast<SharedState*>(
      MapViewOfFile(shared.mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedState)));
  return shared.state != nullptr;
}

void CloseSharedState() {
  SharedHandles& shared = Shared();
  if (shared.state) UnmapViewOfFile(shared.state);
  shared.state = nullptr;
  shared.mapping.Reset();
  shared.mutex.Reset();
}

Caller CurrentCaller() {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  const auto ticks = static_cast<std::uint64_t>(now.QuadPart);
  const auto perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
  const std::uint64_t microseconds =
      ticks / perSecond * 1000000 + ticks % perSecond * 1000000 / perSecond;
  return Caller{GetCurrentProcessId(), GetCurrentThreadId(), microseconds};
}

StateAccess::StateAccess() {
  SharedHandles& shared = Shared();
  if (!shared.state) return;
  const DWORD wait = WaitForSingleObject(shared.mutex.Get(), kLockTimeoutMs);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return;
  state_ = shared.state;
  releases_ = 1;
  // The previous owner ended while holding the lock: if that was inside a
  // group, the group never completed and must not take effect.
  if (wait == WAIT_ABANDONED) DropGroup(*state_);
}

StateAccess::~StateAccess() {
  for (; releases_ > 0; --releases_) ReleaseMutex(Shared().mutex.Get());
}

}  // namespace nolb::standin
