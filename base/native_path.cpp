#include "base/native_path.h"

#include <type_traits>

namespace nolb {
namespace {

using Unit = NativePath::value_type;

bool IsSeparator(Unit c) { return c == Unit('/') || (std::is_same_v<Unit, wchar_t> && c == Unit('\\')); }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

NativePath NativeAscii(std::string_view ascii) { return NativePath(ascii.begin(), ascii.end()); }

std::string NativeToUtf8(const NativePath& path) {
  if constexpr (sizeof(Unit) == 1) {
    return std::string(path.begin(), path.end());
  } else {
    return Utf16ToUtf8(std::u16string(path.begin(), path.end()));
  }
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const char32_t next = i + 1 < text.size() ? text[i + 1] : 0;
    if (c >= 0xD800 && c <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

namespace {

// Where the last component of the path begins.
std::size_t NameStart(const NativePath& path) {
  std::size_t name = path.size();
  while (name > 0 && !IsSeparator(path[name - 1])) --name;
  return name;
}

}  // namespace

NativePath FileNameOf(const NativePath& path) { return path.substr(NameStart(path)); }

NativePath ReplaceExtension(const NativePath& path, std::string_view extension) {
  const std::size_t name = NameStart(path);
  std::size_t dot = path.rfind(Unit('.'));
  std::size_t end = dot != NativePath::npos && dot > name ? dot : path.size();
  return path.substr(0, end) + NativeAscii(extension);
}

}  // namespace nolb
