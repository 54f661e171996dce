// The windows a target can be chosen from by name: the visible top-level
// windows of other programs, topmost first, each with its child windows on
// demand; the filter that narrows them to what the user types; and the
// search for one window by its title and program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/window_system.h"
#include "target/window_tree.h"

namespace nolb {

struct ListedWindow {
  WindowId window = 0;
  std::string text;         // a top-level window's title, a child's text
  std::string program;      // the program file, without folder (top-level windows)
  std::string className;
  std::int32_t controlId = 0;  // child windows
  std::optional<Size> clientSize;  // nothing when it cannot be read
  bool operator==(const ListedWindow&) const = default;
};

// The visible top-level windows of other programs (never this one's),
// topmost first; a window the desktop window manager cloaks is not visible.
std::vector<ListedWindow> ListTopLevelWindows(WindowTree& tree, WindowSystem& windows);

// The visible direct children of a window, topmost first, each with the
// text it holds now (an edit's contents).
std::vector<ListedWindow> ListChildWindows(WindowTree& tree, WindowSystem& windows,
                                           WindowId parent);

// Whether the window has a visible child window (whether the list offers
// to open it).
bool HasVisibleChildren(WindowTree& tree, WindowId window);

// Whether text contains part, without regard to case: the letters of the
// Latin, Greek and Cyrillic alphabets and the full-width Latin letters
// compare equal to their small forms; every other character (kana and
// kanji among them) compares as it is. An empty part is in every text.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// The filter of the list: a window whose title, program or class contains
// the filter text, without regard to case. An empty filter keeps all.
bool MatchesFilter(const ListedWindow& window, std::string_view filter);
std::vector<ListedWindow> FilterWindows(const std::vector<ListedWindow>& windows,
                                        std::string_view filter);

// The visible top-level window of another program whose title contains
// titlePart (without regard to case) and, when program is given, whose
// program file is program (without regard to case); the topmost of them,
// or 0 when there is none.
WindowId FindProgramWindow(WindowTree& tree, std::string_view titlePart,
                           std::string_view program = {});

// One line of the list, UTF-8. A top-level window:
//   「title」 program / class / 640×480
// a child window:
//   class / ID 15 / 「text」 / 632×400
// A size that cannot be read shows as "?"; control characters (line breaks,
// tabs) and the line and paragraph separators in a text become spaces, the
// marks that change the reading direction are left out, and a text longer
// than 80 characters is cut with "…".
std::string ListedWindowLine(const ListedWindow& window, bool child);

}  // namespace nolb
