#include "target/window_list.h"

#include <algorithm>

#include "base/integer_text.h"
#include "target/window_identity.h"

namespace nolb {
namespace {

// A byte that begins no valid UTF-8 sequence stands for itself, outside
// the range of characters, so that it equals only the same byte.
constexpr char32_t kStrayByte = 0x110000;
constexpr std::size_t kMaxLineText = 80;

// Decodes the character at text[i] and moves i past it. Only a well-formed
// sequence is a character: never an overlong form, a surrogate or a value
// above U+10FFFF (F4 90 and above), whose bytes are strays each.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  std::size_t length = 0;
  // The range of the second byte; the later ones are 80 to BF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || i + length > text.size()) {
    ++i;
    return kStrayByte + lead;
  }
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if (next < low || next > high) {
      ++i;
      return kStrayByte + lead;
    }
    c = (c << 6) | (next & 0x3F);
    low = 0x80, high = 0xBF;
  }
  i += length;
  return c;
}

// The small letter of a capital with a one-to-one small form.
char32_t FoldCase(char32_t c) {
  const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
  if (in(U'A', U'Z') || (in(0xC0, 0xDE) && c != 0xD7) || (in(0x391, 0x3A9) && c != 0x3A2) ||
      in(0x410, 0x42F) || in(0xFF21, 0xFF3A)) {
    return c + 0x20;
  }
  if (in(0x400, 0x40F)) return c + 0x50;
  return c;
}

std::u32string Folded(std::string_view text) {
  std::u32string folded;
  for (std::size_t i = 0; i < text.size();) folded.push_back(FoldCase(NextCharacter(text, i)));
  return folded;
}

ListedWindow Describe(WindowTree& tree, WindowSystem& windows, WindowId window, std::string text) {
  return ListedWindow{window, std::move(text), {}, tree.ClassName(window),
                      tree.ControlId(window), windows.ClientSize(window)};
}

// The top-level windows of other programs that the user sees, topmost first.
std::vector<WindowId> OtherProgramsWindows(WindowTree& tree) {
  std::vector<WindowId> found;
  for (WindowId window : tree.TopLevelWindows()) {
    if (tree.IsVisible(window) && !tree.IsCloaked(window) && !tree.BelongsToThisProgram(window)) {
      found.push_back(window);
    }
  }
  return found;
}

// The controls and separators that would break a line: C0, DEL and C1
// (U+0085 among them), and the line and paragraph separators.
bool BreaksLine(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// The marks and embeddings that change the direction in which the text
// after them reads: a title could make a program's name read as another.
bool IsDirectionControl(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// A text on one line and at most kMaxLineText characters long, without
// direction controls.
std::string OneLine(std::string_view text) {
  std::string line;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (characters == kMaxLineText) return line + "…";
    const std::size_t start = i;
    const char32_t c = NextCharacter(text, i);
    if (IsDirectionControl(c)) continue;
    if (BreaksLine(c)) {
      line += ' ';
    } else {
      line.append(text.substr(start, i - start));
    }
    ++characters;
  }
  return line;
}

std::string SizeText(const std::optional<Size>& size) {
  if (!size) return "?";
  return IntegerText(size->width) + "×" + IntegerText(size->height);
}

}  // namespace

std::vector<ListedWindow> ListTopLevelWindows(WindowTree& tree, WindowSystem& windows) {
  std::vector<ListedWindow> listed;
  for (WindowId window : OtherProgramsWindows(tree)) {
    ListedWindow entry = Describe(tree, windows, window, tree.Text(window));
    entry.program = tree.ExecutableName(window);
    entry.controlId = 0;
    listed.push_back(std::move(entry));
  }
  return listed;
}

std::vector<ListedWindow> ListChildWindows(WindowTree& tree, WindowSystem& windows,
                                           WindowId parent) {
  std::vector<ListedWindow> listed;
  for (WindowId child : tree.Children(parent)) {
    if (tree.IsVisible(child)) listed.push_back(Describe(tree, windows, child, tree.ControlText(child)));
  }
  return listed;
}

bool HasVisibleChildren(WindowTree& tree, WindowId window) {
  const std::vector<WindowId> children = tree.Children(window);
  return std::any_of(children.begin(), children.end(),
                     [&tree](WindowId child) { return tree.IsVisible(child); });
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  const std::u32string folded = Folded(text);
  const std::u32string foldedPart = Folded(part);
  return std::search(folded.begin(), folded.end(), foldedPart.begin(), foldedPart.end()) !=
         folded.end();
}

bool MatchesFilter(const ListedWindow& window, std::string_view filter) {
  return ContainsIgnoringCase(window.text, filter) || ContainsIgnoringCase(window.program, filter) ||
         ContainsIgnoringCase(window.className, filter);
}

std::vector<ListedWindow> FilterWindows(const std::vector<ListedWindow>& windows,
                                        std::string_view filter) {
  std::vector<ListedWindow> kept;
  std::copy_if(windows.begin(), windows.end(), std::back_inserter(kept),
               [filter](const ListedWindow& w) { return MatchesFilter(w, filter); });
  return kept;
}

WindowId FindProgramWindow(WindowTree& tree, std::string_view titlePart,
                           std::string_view program) {
  for (WindowId window : OtherProgramsWindows(tree)) {
    if (!ContainsIgnoringCase(tree.Text(window), titlePart)) continue;
    if (!program.empty() && !SameExecutable(tree.ExecutableName(window), program)) continue;
    return window;
  }
  return 0;
}

std::string ListedWindowLine(const ListedWindow& w, bool child) {
  const std::string text = "「" + OneLine(w.text) + "」";
  const std::string size = SizeText(w.clientSize);
  if (child) {
    return OneLine(w.className) + " / ID " + IntegerText(w.controlId) + " / " + text + " / " + size;
  }
  return text + " " + OneLine(w.program) + " / " + OneLine(w.className) + " / " + size;
}

}  // namespace nolb
