#include "harness/journal.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "harness/error.h"
#include "harness/process.h"
#include "harness/text.h"

namespace e2e {

namespace {

constexpr int32_t kJournalCapacity = 16384;

template <class Fn>
Fn Resolve(HMODULE module, const char* name, const std::filesystem::path& dll) {
  auto address = GetProcAddress(module, name);
  if (!address) throw HarnessError(Utf8(dll.wstring()) + " has no export " + name + ": not the stand-in library?");
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string Listing(const std::vector<Call>& calls) {
  std::string text;
  for (size_t i = 0; i < calls.size(); ++i) {
    text += "    " + std::to_string(i) + ": " + calls[i].ToString() + "\n";
  }
  return text.empty() ? "    (none)\n" : text;
}

std::string Listing(std::initializer_list<std::string_view> patterns) {
  std::string text;
  size_t i = 0;
  for (auto pattern : patterns) text += "    " + std::to_string(i++) + ": " + std::string(pattern) + "\n";
  return text.empty() ? "    (none)\n" : text;
}

}  // namespace

std::string Call::ToString() const {
  std::string text = function + "(";
  for (size_t i = 0; i < args.size(); ++i) text += (i ? ", " : "") + std::to_string(args[i]);
  text += ")";
  if (group) text += " [group " + std::to_string(group) + "]";
  return text;
}

void PrintTo(const Call& call, std::ostream* out) { *out << call.ToString(); }

const StandinLibrary& StandinLibrary::Get() {
  static const StandinLibrary library(BinDir() / L"NOLB.DLL");
  return library;
}

StandinLibrary::StandinLibrary(const std::filesystem::path& dll) {
  module_ = LoadLibraryW(dll.c_str());
  if (!module_) ThrowLastError("cannot load the stand-in library " + Utf8(dll.wstring()));
  readJournal_ = Resolve<NOLBTest_ReadJournalFn>(module_, "NOLBTest_ReadJournal", dll);
  clearJournal_ = Resolve<NOLBTest_ClearJournalFn>(module_, "NOLBTest_ClearJournal", dll);
  readState_ = Resolve<NOLBTest_ReadStateFn>(module_, "NOLBTest_ReadState", dll);
  setStatus_ = Resolve<NOLBTest_SetStatusFn>(module_, "NOLBTest_SetStatus", dll);
}

std::vector<Call> StandinLibrary::Journal() const {
  std::vector<NolbJournalEntry> entries(kJournalCapacity);
  int32_t count = readJournal_(entries.data(), kJournalCapacity);
  std::vector<Call> calls;
  for (int32_t i = 0; i < count; ++i) {
    const auto& entry = entries[static_cast<size_t>(i)];
    Call call;
    call.sequence = entry.sequence;
    call.function.assign(entry.function, strnlen(entry.function, sizeof entry.function));
    int32_t argCount = std::clamp<int32_t>(entry.argCount, 0, 9);
    call.args.assign(entry.args, entry.args + argCount);
    call.group = entry.group;
    call.processId = entry.processId;
    call.threadId = entry.threadId;
    call.microseconds = entry.microseconds;
    calls.push_back(std::move(call));
  }
  return calls;
}

void StandinLibrary::ClearJournal() const { clearJournal_(); }

NolbStateView StandinLibrary::State() const {
  NolbStateView state{};
  readState_(&state);
  return state;
}

void StandinLibrary::SetStatus(double seconds) const { setStatus_(seconds); }

bool IsQuery(const Call& call) {
  static constexpr std::array<std::string_view, 4> kQueries = {"NOLB_IsEnabled", "NOLB_IsHooked",
                                                               "NOLB_GetTarget", "NOLB_GetStatus"};
  return std::find(kQueries.begin(), kQueries.end(), call.function) != kQueries.end();
}

std::vector<Call> WithoutQueries(const std::vector<Call>& calls) {
  std::vector<Call> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [](const Call& c) { return !IsQuery(c); });
  return out;
}

std::vector<Call> FromProcess(const std::vector<Call>& calls, DWORD processId) {
  std::vector<Call> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const Call& c) { return c.processId == processId; });
  return out;
}

std::vector<Call> Named(const std::vector<Call>& calls, std::string_view function) {
  std::vector<Call> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const Call& c) { return c.function == function; });
  return out;
}

std::vector<Call> After(const std::vector<Call>& calls, std::string_view function) {
  auto last = std::find_if(calls.rbegin(), calls.rend(), [&](const Call& c) { return c.function == function; });
  if (last == calls.rend()) return calls;
  return std::vector<Call>(last.base(), calls.end());
}

bool Matches(const Call& call, std::string_view pattern) {
  pattern = Trim(pattern);
  size_t open = pattern.find('(');
  if (open == std::string_view::npos) return call.function == pattern;
  if (call.function != Trim(pattern.substr(0, open)) || pattern.back() != ')') return false;
  std::string_view list = pattern.substr(open + 1, pattern.size() - open - 2);
  std::vector<std::string_view> expected;
  if (!Trim(list).empty()) {
    for (;;) {
      size_t comma = list.find(',');
      expected.push_back(Trim(list.substr(0, comma)));
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
  }
  if (expected.size() != call.args.size()) return false;
  for (size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] == "*") continue;
    int64_t value = 0;
    auto [end, error] = std::from_chars(expected[i].data(), expected[i].data() + expected[i].size(), value);
    if (error != std::errc() || end != expected[i].data() + expected[i].size()) return false;
    if (static_cast<int32_t>(value) != call.args[i]) return false;
  }
  return true;
}

::testing::AssertionResult CallsAre(const std::vector<Call>& actual,
                                    std::initializer_list<std::string_view> expected) {
  size_t i = 0;
  for (auto pattern : expected) {
    if (i >= actual.size() || !Matches(actual[i], pattern)) {
      std::string seen = i < actual.size() ? actual[i].ToString() : "nothing";
      return ::testing::AssertionFailure()
             << "call " << i << " is " << seen << ", expected " << pattern << "\n  expected:\n"
             << Listing(expected) << "  actual:\n"
             << Listing(actual);
    }
    ++i;
  }
  if (i < actual.size()) {
    return ::testing::AssertionFailure() << "unexpected call " << i << ": " << actual[i].ToString()
                                         << "\n  expected:\n"
                                         << Listing(expected) << "  actual:\n"
                                         << Listing(actual);
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CallsInclude(const std::vector<Call>& actual,
                                        std::initializer_list<std::string_view> expected) {
  size_t next = 0;
  for (auto pattern : expected) {
    while (next < actual.size() && !Matches(actual[next], pattern)) ++next;
    if (next == actual.size()) {
      return ::testing::AssertionFailure() << "no " << pattern << " in order\n  expected in this order:\n"
                                           << Listing(expected) << "  actual:\n"
                                           << Listing(actual);
    }
    ++next;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace e2e
