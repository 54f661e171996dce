// The journal of calls into the library: a bounded ring that keeps the
// newest entries. It lives in memory shared by every process that loads the
// library, so it is plain data, and all-zero bytes are an empty ring.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "standin_test_api.h"

namespace nolb::standin {

inline constexpr std::uint32_t kJournalCapacity = 16384;
inline constexpr std::size_t kJournalMaxArgs = sizeof(NolbJournalEntry::args) / sizeof(std::int32_t);

struct JournalRing {
  std::uint32_t lastSequence;  // sequence of the newest entry ever appended; survives Clear
  std::uint32_t count;         // entries held, at most kJournalCapacity
  std::uint32_t next;          // slot the next entry goes to
  NolbJournalEntry entries[kJournalCapacity];
};

// Who made a call.
struct Caller {
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
  std::uint64_t microseconds = 0;  // when the call came in
};

// An entry for one call. The name is cut to fit; arguments beyond the
// entry's room are dropped (argCount still tells how many there were).
NolbJournalEntry MakeJournalEntry(std::string_view function,
                                  std::initializer_list<std::int32_t> args,
                                  std::uint32_t group, Caller caller);

// Appends the entry, overwriting the oldest one when the ring is full, and
// returns the sequence number given to it.
std::uint32_t Append(JournalRing& ring, NolbJournalEntry entry);

// Copies the newest min(held, out.size()) entries into out, oldest first,
// and returns how many were copied.
std::size_t ReadOldestFirst(const JournalRing& ring, std::span<NolbJournalEntry> out);

// Forgets every entry. Sequence numbers go on from where they were, so an
// entry read before and one read after a Clear never share a number.
void Clear(JournalRing& ring);

}  // namespace nolb::standin
