// Conversions between the program's UTF-8 strings, the wide strings of the
// Win32 API, and texts in the system code page (the preset list files).
#pragma once

#include <string>
#include <string_view>

namespace ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

std::wstring FromCodePage(std::string_view bytes);
std::string ToCodePage(std::wstring_view wide);

}  // namespace ui
