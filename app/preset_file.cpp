#include "app/preset_file.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/error.h"

namespace nolb {
namespace {

std::string PathText(const std::filesystem::path& file) {
  std::u8string text = file.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

std::vector<std::string> DesignedPositionPresets() { return {"0, 0"}; }

std::vector<std::string> DesignedSizePresets() {
  return {"320, 240", "480, 360", "640, 480", "960, 720"};
}

std::vector<std::string> PresetItemsFromBytes(std::string_view bytes) {
  std::vector<std::string> items;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    items.emplace_back(bytes.substr(start, i - start));
    i += c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) items.emplace_back(bytes.substr(start));
  return items;
}

std::string PresetFileBytes(const std::vector<std::string>& items) {
  std::string bytes;
  for (const std::string& item : items) {
    bytes += item;
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<std::vector<std::string>> LoadPresetFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return PresetItemsFromBytes(bytes.view());
}

std::vector<std::string> LoadPresetList(const std::filesystem::path& file,
                                        std::vector<std::string> designed) {
  if (auto items = LoadPresetFile(file)) return std::move(*items);
  return designed;
}

void SavePresetFile(const std::filesystem::path& file, const std::vector<std::string>& items) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) {
    const std::string bytes = PresetFileBytes(items);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
  }
  if (!out) throw Error("ファイル " + PathText(file) + " を作成できません");
}

}  // namespace nolb
