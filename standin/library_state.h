// The library's state as every process that loads it shares it, and the
// rules of the Lock/Unlock group. Callers hold the library's cross-process
// lock around every function here; the owner of an open group holds that
// lock from its NOLB_Lock to its NOLB_Unlock.
//
// A group works on a staged copy of the capture setup: the calls inside it
// change the staged copy, which the group's owner sees and everybody else
// does not, and the outermost NOLB_Unlock makes it the live setup in one
// step. A group whose owner dies inside it is dropped without a trace.
//
// The state is plain data; all-zero bytes are a valid fresh state (no
// target, i.e. the desktop, an empty rectangle, every flag off).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "journal_ring.h"
#include "standin_test_api.h"

namespace nolb::standin {

// What NOLB_SetMode, NOLB_SetTarget, NOLB_Enabled and NOLB_SetMousePos set.
struct CaptureSetup {
  std::uint32_t target;  // HWND; 0 and the desktop window mean the screen
  std::int32_t x, y, width, height;
  std::int32_t fixAspect, useDirectDraw, zoom, showCursor, showAlphaWindow, rotateType;
  std::int32_t enabled;
  std::int32_t mouseX, mouseY;
};

struct SharedState {
  CaptureSetup live;
  CaptureSetup staged;
  // The open group: its owner (0 when none), nesting depth and number.
  std::uint32_t groupProcess, groupThread;
  std::int32_t groupDepth;
  std::uint32_t groupNumber;
  std::uint32_t lastGroupNumber;

  std::int32_t initCount;
  std::int32_t bitBltInitCount;
  // The attached encoder simulator and its start time (to tell it from a
  // later process that happens to get the same id).
  std::uint32_t hookedProcessId;
  std::uint64_t hookedProcessStart;
  double lastFrameSeconds;
  // At the last NOLB_Uninit: the files of the caller's folder and current
  // folder written since its NOLB_Init.
  std::int32_t filesWrittenBeforeUninit;

  JournalRing journal;
};

bool OwnsGroup(const SharedState& state, Caller caller);

// The number of the caller's open group, 0 when it has none.
std::uint32_t GroupOf(const SharedState& state, Caller caller);

// The setup a call of this caller acts on and sees: the staged one inside
// its own group, the live one otherwise.
CaptureSetup& SetupFor(SharedState& state, Caller caller);
const CaptureSetup& SetupFor(const SharedState& state, Caller caller);

// Opens a group for the caller, or goes one level deeper into its own open
// group. A group of somebody else found open here is stale (its owner can
// no longer hold the lock) and is dropped first.
void OpenGroup(SharedState& state, Caller caller);

enum class GroupEnd {
  NotOwner,   // the caller has no open group: nothing happens
  Nested,     // an inner level ended; the group stays open
  Committed,  // the outermost level ended; the staged setup is live
};
GroupEnd CloseGroup(SharedState& state, Caller caller);

// Drops the open group, if any, without applying what it staged: its owner
// died inside it.
void DropGroup(SharedState& state);

// Journals one call of the caller, with the number of its group.
void Journal(SharedState& state, Caller caller, std::string_view function,
             std::initializer_list<std::int32_t> args);

// What NOLBTest_ReadState reports to the caller.
NolbStateView View(const SharedState& state, Caller caller);

}  // namespace nolb::standin
