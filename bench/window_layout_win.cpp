#include "bench/window_layout_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <stdexcept>

namespace bench {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) {
    throw std::runtime_error("a window of the panel does not answer");
  }
  return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(Ask(window, WM_GETTEXTLENGTH)) + 1, L'\0');
  text.resize(static_cast<size_t>(Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

WindowRow ControlRow(HWND main, HWND control) {
  WindowRow row;
  row.className = ClassOf(control);
  row.style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
  row.exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
  GetWindowRect(control, &row.place);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&row.place), 2);
  row.text = TextOf(control);
  row.id = GetDlgCtrlID(control);
  if (_wcsicmp(row.className.c_str(), WC_BUTTONW) == 0) {
    row.check = static_cast<int>(Ask(control, BM_GETCHECK));
  } else if (_wcsicmp(row.className.c_str(), WC_COMBOBOXW) == 0) {
    const auto count = static_cast<int>(Ask(control, CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
      std::wstring item(static_cast<size_t>(Ask(control, CB_GETLBTEXTLEN, i)) + 1, L'\0');
      item.resize(static_cast<size_t>(Ask(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
      row.items.push_back(item);
    }
    row.selection = static_cast<int>(Ask(control, CB_GETCURSEL));
    row.dropDownRows = static_cast<int>(Ask(control, CB_GETMINVISIBLE));
  }
  return row;
}

// Tabs and line ends separate the fields and rows of the file.
std::wstring Field(std::wstring text) {
  std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\r'; }, L' ');
  return text;
}

std::wstring Line(const WindowRow& row) {
  std::wstring line;
  for (long number : {static_cast<long>(row.style), static_cast<long>(row.exStyle), row.place.left, row.place.top,
                      row.place.right, row.place.bottom, static_cast<long>(row.classStyle),
                      static_cast<long>(row.id), static_cast<long>(row.check), static_cast<long>(row.selection),
                      static_cast<long>(row.dropDownRows)}) {
    line += std::to_wstring(number) + L'\t';
  }
  line += Field(row.className) + L'\t' + Field(row.text);
  for (const auto& item : row.items) line += L'\t' + Field(item);
  return line + L'\n';
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::wstring::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

WindowRow RowOf(const std::wstring& line) {
  const std::vector<std::wstring> fields = Split(line, L'\t');
  constexpr size_t kNumbers = 11;
  if (fields.size() < kNumbers + 2) throw std::runtime_error("a window layout line has too few fields");
  long n[kNumbers];
  for (size_t i = 0; i < kNumbers; ++i) n[i] = std::wcstol(fields[i].c_str(), nullptr, 10);
  WindowRow row;
  row.style = static_cast<DWORD>(n[0]);
  row.exStyle = static_cast<DWORD>(n[1]);
  row.place = {n[2], n[3], n[4], n[5]};
  row.classStyle = static_cast<UINT>(n[6]);
  row.id = static_cast<int>(n[7]);
  row.check = static_cast<int>(n[8]);
  row.selection = static_cast<int>(n[9]);
  row.dropDownRows = static_cast<int>(n[10]);
  row.className = fields[kNumbers];
  row.text = fields[kNumbers + 1];
  row.items.assign(fields.begin() + kNumbers + 2, fields.end());
  return row;
}

}  // namespace

WindowLayout ReadWindowLayout(HWND window) {
  WindowLayout layout;
  WindowRow& top = layout.window;
  top.className = ClassOf(window);
  top.classStyle = static_cast<UINT>(GetClassLongW(window, GCL_STYLE));
  top.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~static_cast<DWORD>(WS_VISIBLE);
  top.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  GetWindowRect(window, &top.place);
  top.text = TextOf(window);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    layout.controls.push_back(ControlRow(window, child));
  }
  std::sort(layout.controls.begin(), layout.controls.end(),
            [](const WindowRow& a, const WindowRow& b) { return a.id < b.id; });
  return layout;
}

void SaveWindowLayout(const WindowLayout& layout, const std::wstring& path) {
  std::wstring text = Line(layout.window);
  for (const auto& control : layout.controls) text += Line(control);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write the window layout");
  DWORD written = 0;
  const auto bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  const bool ok = WriteFile(file, text.data(), bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  if (!ok) throw std::runtime_error("cannot write the window layout");
}

WindowLayout LoadWindowLayout(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read the window layout");
  std::wstring text(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
  DWORD read = 0;
  const bool ok = ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
  CloseHandle(file);
  if (!ok) throw std::runtime_error("cannot read the window layout");
  WindowLayout layout;
  std::vector<std::wstring> lines = Split(text, L'\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.empty()) throw std::runtime_error("the window layout is empty");
  layout.window = RowOf(lines.front());
  for (size_t i = 1; i < lines.size(); ++i) layout.controls.push_back(RowOf(lines[i]));
  return layout;
}

}  // namespace bench
