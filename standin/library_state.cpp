#include "library_state.h"

namespace nolb::standin {

bool OwnsGroup(const SharedState& state, Caller caller) {
  return state.groupDepth > 0 && state.groupProcess == caller.processId &&
         state.groupThread == caller.threadId;
}

std::uint32_t GroupOf(const SharedState& state, Caller caller) {
  return OwnsGroup(state, caller) ? state.groupNumber : 0;
}

CaptureSetup& SetupFor(SharedState& state, Caller caller) {
  return OwnsGroup(state, caller) ? state.staged : state.live;
}

const CaptureSetup& SetupFor(const SharedState& state, Caller caller) {
  return OwnsGroup(state, caller) ? state.staged : state.live;
}

void OpenGroup(SharedState& state, Caller caller) {
  if (OwnsGroup(state, caller)) {
    ++state.groupDepth;
    return;
  }
  DropGroup(state);
  state.staged = state.live;
  state.groupProcess = caller.processId;
  state.groupThread = caller.threadId;
  state.groupDepth = 1;
  state.groupNumber = ++state.lastGroupNumber;
}

GroupEnd CloseGroup(SharedState& state, Caller caller) {
  if (!OwnsGroup(state, caller)) return GroupEnd::NotOwner;
  if (--state.groupDepth > 0) return GroupEnd::Nested;
  state.live = state.staged;
  DropGroup(state);
  return GroupEnd::Committed;
}

void DropGroup(SharedState& state) {
  state.groupProcess = 0;
  state.groupThread = 0;
  state.groupDepth = 0;
  state.groupNumber = 0;
}

void Journal(SharedState& state, Caller caller, std::string_view function,
             std::initializer_list<std::int32_t> args) {
  Append(state.journal, MakeJournalEntry(function, args, GroupOf(state, caller), caller));
}

NolbStateView View(const SharedState& state, Caller caller) {
  const CaptureSetup& setup = SetupFor(state, caller);
  NolbStateView view{};
  view.initCount = state.initCount;
  view.enabled = setup.enabled;
  view.target = setup.target;
  view.x = setup.x;
  view.y = setup.y;
  view.width = setup.width;
  view.height = setup.height;
  view.fixAspect = setup.fixAspect;
  view.useDirectDraw = setup.useDirectDraw;
  view.zoom = setup.zoom;
  view.showCursor = setup.showCursor;
  view.showAlphaWindow = setup.showAlphaWindow;
  view.rotateType = setup.rotateType;
  view.mouseX = setup.mouseX;
  view.mouseY = setup.mouseY;
  view.bitBltInitCount = state.bitBltInitCount;
  view.hookedProcessId = state.hookedProcessId;
  view.lastFrameSeconds = state.lastFrameSeconds;
  view.filesWrittenBeforeUninit = state.filesWrittenBeforeUninit;
  return view;
}

}  // namespace nolb::standin
