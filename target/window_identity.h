// What identifies a window across a restart of its program, whose window
// handles are all new: the program's executable, the classes and control
// identifiers from its top-level window down to it, and the top-level
// window's title; and how a new top-level window is searched for the window
// that answers to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "target/window_tree.h"

namespace nolb {

// One window of the chain: its class and its control identifier (which a
// top-level window does not have; it is not compared there).
struct ChainLink {
  std::string className;
  std::int32_t controlId = 0;
  bool operator==(const ChainLink&) const = default;
};

struct WindowIdentity {
  std::string executable;        // file name without folder
  std::string title;             // the top-level window's title
  std::vector<ChainLink> chain;  // the top-level window first, the window itself last
  bool operator==(const WindowIdentity&) const = default;
};

// The top-level window that holds the window (itself for a top-level one).
WindowId TopLevelOf(WindowTree& tree, WindowId window);

// The identity of a living window; nothing when it is no window or its
// executable cannot be read.
std::optional<WindowIdentity> DescribeWindow(WindowTree& tree, WindowId window);

// Executable file names compare without case (ASCII letters), as the file
// system names them.
bool SameExecutable(std::string_view a, std::string_view b);

enum class ChainOutcome {
  kNoMatch,  // another program or another top-level class: never this one
  kNotYet,   // the right program and class, but not shown yet or its children not made yet
  kFound,
};

struct ChainMatch {
  ChainOutcome outcome = ChainOutcome::kNoMatch;
  WindowId window = 0;  // the window found, with kFound
};

// Follows the identity's chain down from a top-level window: the same
// executable and top-level class, the window shown, then at each level the
// first child (topmost first) with the link's class and control identifier.
ChainMatch FollowChain(WindowTree& tree, const WindowIdentity& identity, WindowId topLevel);

// Among top-level windows whose chain was found (each with the window
// found), the one whose title is the identity's title, else the topmost;
// 0 when there is none.
struct FoundChain {
  WindowId topLevel = 0;
  WindowId window = 0;
};
WindowId ChooseFound(WindowTree& tree, const WindowIdentity& identity,
                     const std::vector<FoundChain>& found);

}  // namespace nolb
