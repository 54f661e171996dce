// The state that every process loading the library shares: a named file
// mapping holding SharedState, and a named mutex that guards it and that
// the owner of a Lock/Unlock group holds for the whole group.
#pragma once

#include <windows.h>

#include "library_state.h"

namespace nolb::standin {

inline constexpr wchar_t kStateMappingName[] = L"Local\\NOLBStandIn.State.1";
inline constexpr wchar_t kStateMutexName[] = L"Local\\NOLBStandIn.Lock.1";

// How long a call waits for another thread's group before it gives up and
// fails, so that a stuck process cannot freeze every other one.
inline constexpr DWORD kLockTimeoutMs = 10000;

// Opens (creating when first) the mapping and the mutex for this process.
bool OpenSharedState();
// Closes them; only when the library is unloaded while the process goes on.
void CloseSharedState();

Caller CurrentCaller();

// Holds the shared lock for the scope of one call. Empty (false) when the
// lock could not be had in time. A mutex left abandoned by a thread or
// process that ended inside a group drops that group's staged changes.
class StateAccess {
 public:
  StateAccess();
  ~StateAccess();
  StateAccess(const StateAccess&) = delete;
  StateAccess& operator=(const StateAccess&) = delete;

  explicit operator bool() const { return state_ != nullptr; }
  SharedState& operator*() const { return *state_; }
  SharedState* operator->() const { return state_; }

  // NOLB_Lock: the lock stays held after this call, until the group's Unlock.
  void KeepHeld() { --releases_; }
  // NOLB_Unlock: also gives up the hold kept by the matching Lock.
  void ReleaseKeptHold() { ++releases_; }

 private:
  SharedState* state_ = nullptr;
  int releases_ = 0;
};

}  // namespace nolb::standin
