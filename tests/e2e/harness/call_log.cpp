#include "harness/call_log.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "harness/error.h"

namespace e2e {

namespace {

std::string Listing(const std::vector<Call>& calls) {
  std::string text;
  for (const auto& call : calls) text += "\n    " + call.ToString();
  return text.empty() ? " none" : text;
}

}  // namespace

CallLog::CallLog(const Panel& panel) : CallLog(panel, JournalEnd()) {}

CallLog::CallLog(const Panel& panel, uint32_t mark) : panel_(&panel), mark_(mark) {}

std::vector<Call> CallLog::Calls() const {
  std::vector<Call> calls = WithoutQueries(panel_->Calls());
  std::erase_if(calls, [&](const Call& call) { return call.sequence <= mark_; });
  return calls;
}

std::vector<std::vector<Call>> CallLog::Pushes() const { return e2e::Pushes(Calls()); }

Call CallLog::WaitForCall(std::string_view pattern, Duration timeout) const {
  std::vector<Call> calls;
  auto found = calls.end();
  WaitUntil(
      [&] {
        calls = Calls();
        found = std::find_if(calls.begin(), calls.end(), [&](const Call& call) { return Matches(call, pattern); });
        return found != calls.end();
      },
      timeout);
  if (found == calls.end()) {
    throw HarnessError("no " + std::string(pattern) + " within " + std::to_string(timeout.count()) +
                       " ms; calls seen:" + Listing(calls));
  }
  return *found;
}

std::vector<Call> CallLog::WaitForPush(Duration timeout) const {
  std::vector<std::vector<Call>> pushes;
  if (!WaitUntil(
          [&] {
            pushes = Pushes();
            return !pushes.empty();
          },
          timeout)) {
    throw HarnessError("no complete push within " + std::to_string(timeout.count()) +
                       " ms; calls seen:" + Listing(Calls()));
  }
  return pushes.front();
}

void CallLog::Mark() { mark_ = JournalEnd(); }

uint32_t JournalEnd() {
  auto journal = StandinLibrary::Get().Journal();
  return journal.empty() ? 0 : journal.back().sequence;
}

std::vector<std::vector<Call>> Pushes(const std::vector<Call>& calls) {
  std::vector<std::vector<Call>> pushes;
  auto lock = calls.begin();
  while ((lock = std::find_if(lock, calls.end(), [](const Call& c) { return c.function == "NOLB_Lock"; })) !=
         calls.end()) {
    auto unlock = std::find_if(lock, calls.end(), [](const Call& c) { return c.function == "NOLB_Unlock"; });
    if (unlock == calls.end()) break;
    pushes.emplace_back(lock, unlock + 1);
    lock = unlock + 1;
  }
  return pushes;
}

::testing::AssertionResult IsPush(const std::vector<Call>& calls, std::string_view mode, std::string_view target) {
  auto order = CallsAre(calls, {"NOLB_Lock()", mode, target, "NOLB_Enabled(1)", "NOLB_Unlock()"});
  if (!order) return order;
  return InOneGroup(std::vector<Call>(calls.begin() + 1, calls.end() - 1));
}

::testing::AssertionResult InOneGroup(const std::vector<Call>& calls) {
  if (calls.empty()) return ::testing::AssertionFailure() << "no calls";
  for (const auto& call : calls) {
    if (call.group == 0 || call.group != calls.front().group) {
      return ::testing::AssertionFailure() << "not in one lock group:" << Listing(calls);
    }
  }
  return ::testing::AssertionSuccess();
}

std::string DesktopTarget(std::string_view rectangle) {
  auto desktop = static_cast<int32_t>(reinterpret_cast<UINT_PTR>(GetDesktopWindow()));
  return "NOLB_SetTarget(" + std::to_string(desktop) + ", " + std::string(rectangle) + ")";
}

}  // namespace e2e
