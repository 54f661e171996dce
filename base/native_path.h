// File names as the platform spells them (UTF-16 on Windows, bytes
// elsewhere), kept as plain strings. The program's few files need no more,
// and std::filesystem::path would bring the C++ library's locale support
// into the program, about half of its size.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nolb {

using NativePath = std::filesystem::path::string_type;

// ASCII text (a bare file name such as "ListPos.txt") as a native path.
NativePath NativeAscii(std::string_view ascii);

// A native path as UTF-8, for messages.
std::string NativeToUtf8(const NativePath& path);

// UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The last component of the path: the file's name.
NativePath FileNameOf(const NativePath& path);

// The path with the extension of its last component (from its last '.',
// unless that is the component's first character) replaced by extension,
// or with extension appended when it has none.
NativePath ReplaceExtension(const NativePath& path, std::string_view extension);

}  // namespace nolb
