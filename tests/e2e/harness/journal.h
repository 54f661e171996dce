// What the stand-in NOLB.DLL received. The library keeps one journal and one
// state for every process that loads it; the test program loads it too and
// reads them through its test exports (standin/standin_test_api.h).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "standin_test_api.h"

namespace e2e {

// One journal entry: "NOLB_SetTarget(65548, 0, 0, 320, 240)".
struct Call {
  uint32_t sequence = 0;
  std::string function;
  std::vector<int32_t> args;
  uint32_t group = 0;  // the Lock/Unlock group it ran in, 0 outside one
  uint32_t processId = 0;
  uint32_t threadId = 0;
  uint64_t microseconds = 0;  // when the call came in (one clock for every process)

  std::string ToString() const;
};

void PrintTo(const Call& call, std::ostream* out);

// The stand-in library as loaded into the test program (from bin/, once).
class StandinLibrary {
 public:
  // Throws HarnessError when NOLB.DLL or its test exports are missing.
  static const StandinLibrary& Get();

  std::vector<Call> Journal() const;
  void ClearJournal() const;
  NolbStateView State() const;
  // The processing time NOLB_GetStatus reports from now on.
  void SetStatus(double seconds) const;

 private:
  explicit StandinLibrary(const std::filesystem::path& dll);

  HMODULE module_ = nullptr;
  NOLBTest_ReadJournalFn readJournal_ = nullptr;
  NOLBTest_ClearJournalFn clearJournal_ = nullptr;
  NOLBTest_ReadStateFn readState_ = nullptr;
  NOLBTest_SetStatusFn setStatus_ = nullptr;
};

// The queries the program makes on its timers: NOLB_IsEnabled,
// NOLB_IsHooked, NOLB_GetTarget, NOLB_GetStatus.
bool IsQuery(const Call& call);
std::vector<Call> WithoutQueries(const std::vector<Call>& calls);
std::vector<Call> FromProcess(const std::vector<Call>& calls, DWORD processId);
std::vector<Call> Named(const std::vector<Call>& calls, std::string_view function);
// The calls after the last call of that function (all calls if there is none).
std::vector<Call> After(const std::vector<Call>& calls, std::string_view function);

// Comparing calls with an expected list. Each expected entry is a function
// name ("NOLB_Lock", any arguments) or a name with arguments, "*" matching
// any value: "NOLB_SetTarget(*, 0, 0, 320, 240)". Failures list both sides.
bool Matches(const Call& call, std::string_view pattern);
::testing::AssertionResult CallsAre(const std::vector<Call>& actual,
                                    std::initializer_list<std::string_view> expected);
// The expected calls appear in this order, other calls between them allowed.
::testing::AssertionResult CallsInclude(const std::vector<Call>& actual,
                                        std::initializer_list<std::string_view> expected);

}  // namespace e2e
