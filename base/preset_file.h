// The two preset list files: one list item per line, in list order, as
// bytes of the system code page. Items are kept as raw bytes so that a hand-
// edited line (any text, any length, even binary) is saved back unchanged;
// the list controls only show them. The files are looked up by bare name in
// the current directory (or in the user's folder, base/file_place.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/native_path.h"

namespace nolb {

inline constexpr char kPositionPresetFile[] = "ListPos.txt";
inline constexpr char kSizePresetFile[] = "ListSize.txt";

// The lists' designed items, kept when their file cannot be read.
std::vector<std::string> DesignedPositionPresets();  // "0, 0"
std::vector<std::string> DesignedSizePresets();      // "320, 240" ... "960, 720"

// The lines of a file's bytes: CR LF, a lone CR or a lone LF ends a line;
// a last line without line end is an item as well; empty bytes give no item.
std::vector<std::string> PresetItemsFromBytes(std::string_view bytes);

// The bytes of a file holding the items: every item followed by CR LF.
std::string PresetFileBytes(const std::vector<std::string>& items);

// The items of a list file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::string>> LoadPresetFile(const NativePath& file);

// A list at start-up: the file's items, or the designed items when the file
// cannot be read. An empty file gives an empty list.
std::vector<std::string> LoadPresetList(const NativePath& file,
                                        std::vector<std::string> designed);

// Creates the file anew with the items. Raises Error "ファイル <file> を作成
// できません" when it cannot be created or written in full.
void SavePresetFile(const NativePath& file, const std::vector<std::string>& items);

}  // namespace nolb
