// Text conversions for failure messages: gtest prints narrow UTF-8 text
// readably, while the program's texts are UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);

}  // namespace e2e
