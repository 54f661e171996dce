#include "base/preset_file.h"

#include <cstdio>
#include <memory>

#include "base/error.h"

namespace nolb {
namespace {

// Files through the C library rather than file streams: the streams' locale
// machinery would double the size of the released program.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens in binary mode ("rb", "wb"); a path of any characters on Windows.
File OpenFile(const NativePath& file, const char* mode) {
#ifdef _WIN32
  return File(_wfopen(file.c_str(), NativeAscii(mode).c_str()));
#else
  return File(std::fopen(file.c_str(), mode));
#endif
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

std::optional<std::vector<std::string>> LoadPresetFile(const NativePath& file) {
  File in = OpenFile(file, "rb");
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, in.get())) bytes.append(buffer, n);
  if (std::ferror(in.get())) return std::nullopt;
  return PresetItemsFromBytes(bytes);
}

std::vector<std::string> LoadPresetList(const NativePath& file,
                                        std::vector<std::string> designed) {
  if (auto items = LoadPresetFile(file)) return std::move(*items);
  return designed;
}

void SavePresetFile(const NativePath& file, const std::vector<std::string>& items) {
  File out = OpenFile(file, "wb");
  bool written = false;
  if (out) {
    const std::string bytes = PresetFileBytes(items);
    written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
    written = std::fclose(out.release()) == 0 && written;
  }
  if (!written) throw Error("ファイル " + NativeToUtf8(file) + " を作成できません");
}

}  // namespace nolb
