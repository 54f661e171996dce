// The panel's library calls from a chosen moment on, with the timer queries
// left out, and the pushes (NOLB_Lock ... NOLB_Unlock runs) among them.
//
//   e2e::CallLog log(panel);
//   panel.Control("ButtonApply").Click();
//   auto push = log.WaitForPush();
//   EXPECT_TRUE(e2e::IsPush(push, "NOLB_SetMode(1, 1, 0, 1, 0, 0)", "NOLB_SetTarget(*, 0, 0, 320, 240)"));
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "harness/journal.h"
#include "harness/panel.h"
#include "harness/wait.h"

namespace e2e {

class CallLog {
 public:
  // Marks the journal's present end, or the given sequence number (from
  // JournalEnd before the panel started: process ids are reused).
  explicit CallLog(const Panel& panel);
  CallLog(const Panel& panel, uint32_t mark);

  // The panel's calls after the mark, timer queries left out.
  std::vector<Call> Calls() const;
  // The complete pushes among them, oldest first.
  std::vector<std::vector<Call>> Pushes() const;
  // Waits for a call matching pattern (as in Matches) after the mark and
  // returns it; throws HarnessError naming the calls seen when none comes.
  Call WaitForCall(std::string_view pattern, Duration timeout = kDefaultTimeout) const;
  // Waits for the first complete push after the mark and returns its calls.
  std::vector<Call> WaitForPush(Duration timeout = kDefaultTimeout) const;
  // Moves the mark to the journal's present end.
  void Mark();

 private:
  const Panel* panel_;
  uint32_t mark_ = 0;
};

// The sequence number of the journal's newest entry, 0 when it is empty.
uint32_t JournalEnd();
// The complete Lock..Unlock runs of calls, oldest first.
std::vector<std::vector<Call>> Pushes(const std::vector<Call>& calls);
// calls are one push: Lock, the mode, the target, Enabled(1), Unlock, with
// the three setting calls inside one lock group.
::testing::AssertionResult IsPush(const std::vector<Call>& calls, std::string_view mode, std::string_view target);
// Every call of calls ran inside the same lock group (a non-zero number).
::testing::AssertionResult InOneGroup(const std::vector<Call>& calls);
// "NOLB_SetTarget(65548, *, *, *, *)" for the desktop window as the panel sees it.
std::string DesktopTarget(std::string_view rectangle = "*, *, *, *");

}  // namespace e2e
