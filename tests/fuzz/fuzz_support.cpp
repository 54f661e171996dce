#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

namespace nolb::fuzz {

void Violated(const char* condition, const std::string& detail) {
  std::fprintf(stderr, "\nproperty violated: %s\n  %s\n", condition, detail.c_str());
  std::abort();
}

std::string Shown(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      shown += c;
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    }
  }
  return shown + "\"";
}

std::string ConversionMessage(std::string_view text) {
  return "'" + std::string(text.substr(0, text.find('\0'))) + "' は整数ではありません";
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
       start = end + 1) {
    pieces.push_back(text.substr(start, end - start));
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

}  // namespace nolb::fuzz
