#include "journal_ring.h"

#include <algorithm>
#include <cstring>

namespace nolb::standin {

namespace {

// The ring sits in memory that other processes write; a process killed in
// the middle of an append may leave the counters inconsistent. Reading and
// writing go through these so that no index ever leaves the array.
std::uint32_t HeldCount(const JournalRing& ring) { return std::min(ring.count, kJournalCapacity); }
std::uint32_t NextSlot(const JournalRing& ring) { return ring.next % kJournalCapacity; }

}  // namespace

NolbJournalEntry MakeJournalEntry(std::string_view function,
                                  std::initializer_list<std::int32_t> args,
                                  std::uint32_t group, Caller caller) {
  NolbJournalEntry entry{};
  const std::size_t nameLength = std::min(function.size(), sizeof(entry.function) - 1);
  std::memcpy(entry.function, function.data(), nameLength);
  entry.argCount = static_cast<std::int32_t>(args.size());
  std::copy_n(args.begin(), std::min(args.size(), kJournalMaxArgs), entry.args);
  entry.group = group;
  entry.processId = caller.processId;
  entry.threadId = caller.threadId;
  entry.microseconds = caller.microseconds;
  return entry;
}

std::uint32_t Append(JournalRing& ring, NolbJournalEntry entry) {
  entry.sequence = ++ring.lastSequence;
  const std::uint32_t slot = NextSlot(ring);
  ring.entries[slot] = entry;
  ring.next = (slot + 1) % kJournalCapacity;
  ring.count = std::min(HeldCount(ring) + 1, kJournalCapacity);
  return entry.sequence;
}

std::size_t ReadOldestFirst(const JournalRing& ring, std::span<NolbJournalEntry> out) {
  const std::uint32_t held = HeldCount(ring);
  const std::uint32_t wanted = static_cast<std::uint32_t>(std::min<std::size_t>(held, out.size()));
  // The newest entry sits just before the next slot; the wanted ones end there.
  const std::uint32_t first = (NextSlot(ring) + kJournalCapacity - wanted) % kJournalCapacity;
  for (std::uint32_t i = 0; i < wanted; ++i) {
    out[i] = ring.entries[(first + i) % kJournalCapacity];
  }
  return wanted;
}

void Clear(JournalRing& ring) {
  ring.count = 0;
  ring.next = 0;
}

}  // namespace nolb::standin
