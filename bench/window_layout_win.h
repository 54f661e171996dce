// The layout of a top-level window and its child controls as the window
// system holds them: classes, styles, places, texts, list items, check
// marks. Read from the running panel's main window, saved to a file, and
// made again with plain CreateWindowEx calls by plain_main_window.exe, so
// that the start-up yardstick always has the panel's own controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct WindowRow {
  std::wstring className;
  DWORD style = 0;
  DWORD exStyle = 0;
  // The top-level window: outer rectangle on the screen. A control: its
  // place in the parent's client area (a drop-down list closed).
  RECT place{};
  std::wstring text;
  // The top-level window only.
  UINT classStyle = 0;
  // Controls only.
  int id = 0;
  int check = BST_UNCHECKED;      // buttons
  int selection = -1;             // drop-down lists
  int dropDownRows = 0;           // drop-down lists: visible rows when dropped
  std::vector<std::wstring> items;  // drop-down lists
};

struct WindowLayout {
  WindowRow window;
  std::vector<WindowRow> controls;  // in the order of their ids
};

// Reads a window of any process (WS_VISIBLE is left out of its style).
WindowLayout ReadWindowLayout(HWND window);

// One line a window, fields separated by tabs, UTF-16; throws on failure.
void SaveWindowLayout(const WindowLayout& layout, const std::wstring& path);
WindowLayout LoadWindowLayout(const std::wstring& path);

}  // namespace bench
