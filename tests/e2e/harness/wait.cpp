#include "harness/wait.h"

#include <thread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Duration timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

::testing::AssertionResult Eventually(const std::function<bool()>& condition, std::string_view what,
                                      Duration timeout) {
  if (WaitUntil(condition, timeout)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "not reached within " << timeout.count() << " ms: " << what;
}

}  // namespace e2e
