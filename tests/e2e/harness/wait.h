// Bounded polling. Everything the harness waits for (a window, a text, a
// process end) is polled with a deadline; nothing sleeps a fixed time.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "harness/text.h"

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Long enough for a slow machine under Wine; a passing test never waits it out.
inline constexpr Duration kDefaultTimeout = 10s;
inline constexpr Duration kPollInterval = 15ms;

// Polls condition until it holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = kDefaultTimeout);

// For assertions: EXPECT_TRUE(e2e::Eventually([&] { ... }, "the edit shows 10"));
::testing::AssertionResult Eventually(const std::function<bool()>& condition, std::string_view what,
                                      Duration timeout = kDefaultTimeout);

namespace detail {
template <class T>
std::string Show(const T& value) {
  return ::testing::PrintToString(value);
}
inline std::string Show(const std::wstring& value) { return "\"" + Utf8(value) + "\""; }
}  // namespace detail

// Polls read() until it returns expected; on failure names the last value
// seen: EXPECT_TRUE(e2e::Becomes([&] { return edit.Text(); }, std::wstring(L"10")));
template <class Read, class T>
::testing::AssertionResult Becomes(Read read, const T& expected, Duration timeout = kDefaultTimeout) {
  auto last = read();
  bool reached = WaitUntil(
      [&] {
        last = read();
        return last == expected;
      },
      timeout);
  if (reached) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << detail::Show(expected) << " within "
                                       << timeout.count() << " ms; last value " << detail::Show(last);
}

}  // namespace e2e
