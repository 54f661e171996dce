#include "target/window_identity.h"

#include <algorithm>

namespace nolb {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The first child with the link's class and control identifier, or 0.
WindowId ChildOf(WindowTree& tree, WindowId parent, const ChainLink& link) {
  for (WindowId child : tree.Children(parent)) {
    if (tree.ClassName(child) == link.className && tree.ControlId(child) == link.controlId) {
      return child;
    }
  }
  return 0;
}

}  // namespace

WindowId TopLevelOf(WindowTree& tree, WindowId window) {
  for (WindowId parent = tree.ParentOf(window); parent != 0; parent = tree.ParentOf(window)) {
    window = parent;
  }
  return window;
}

std::optional<WindowIdentity> DescribeWindow(WindowTree& tree, WindowId window) {
  if (!tree.IsWindow(window)) return std::nullopt;
  WindowIdentity identity;
  WindowId w = window;
  for (;;) {
    const WindowId parent = tree.ParentOf(w);
    identity.chain.push_back({tree.ClassName(w), parent != 0 ? tree.ControlId(w) : 0});
    if (parent == 0) break;
    w = parent;
  }
  std::reverse(identity.chain.begin(), identity.chain.end());
  // The program is the top-level window's, which is what a new one is matched by.
  identity.executable = tree.ExecutableName(w);
  if (identity.executable.empty()) return std::nullopt;
  identity.title = tree.Text(w);
  return identity;
}

bool SameExecutable(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

ChainMatch FollowChain(WindowTree& tree, const WindowIdentity& identity, WindowId topLevel) {
  if (identity.chain.empty() || !tree.IsWindow(topLevel) ||
      tree.ClassName(topLevel) != identity.chain.front().className ||
      !SameExecutable(tree.ExecutableName(topLevel), identity.executable)) {
    return {};
  }
  if (!tree.IsVisible(topLevel)) return {ChainOutcome::kNotYet};
  WindowId window = topLevel;
  for (auto link = identity.chain.begin() + 1; link != identity.chain.end(); ++link) {
    window = ChildOf(tree, window, *link);
    if (window == 0) return {ChainOutcome::kNotYet};
  }
  return {ChainOutcome::kFound, window};
}

WindowId ChooseFound(WindowTree& tree, const WindowIdentity& identity,
                     const std::vector<FoundChain>& found) {
  if (found.empty()) return 0;
  if (found.size() == 1) return found.front().window;
  auto foundAt = [&](WindowId topLevel) {
    return std::ranges::find(found, topLevel, &FoundChain::topLevel);
  };
  const std::vector<WindowId> zOrder = tree.TopLevelWindows();
  for (WindowId top : zOrder) {
    if (foundAt(top) != found.end() && tree.Text(top) == identity.title) return foundAt(top)->window;
  }
  for (WindowId top : zOrder) {
    if (foundAt(top) != found.end()) return foundAt(top)->window;
  }
  return found.front().window;
}

}  // namespace nolb
