// The preset list files: the input is a file's bytes.
//
// Properties:
// - the items are the file's lines, whichever line ends (CR LF, CR, LF) it
//   uses, byte for byte; no item holds a line end;
// - the items saved read back the same, each line ending in CR LF;
// - loading the file from the disk gives the same items, and saving them
//   writes exactly those bytes (for every fourth length of input).
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "base/error.h"
#include "base/preset_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace nolb::fuzz {
namespace {

using Items = std::vector<std::string>;

// The lines as a reader of text sees them: CR LF and a lone CR become LF,
// and a final LF ends the last line rather than starting another.
Items Lines(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i] == '\r' ? '\n' : bytes[i];
  }
  if (text.empty()) return {};
  if (text.ends_with('\n')) text.pop_back();
  Items items;
  for (std::string_view line : Split(text, '\n')) items.emplace_back(line);
  return items;
}

std::string Shown(const Items& items) {
  std::string shown = std::to_string(items.size()) + " items:";
  for (const std::string& item : items) shown += " " + fuzz::Shown(item);
  return shown;
}

// A file of this process's own: an in-memory file named by its path under
// /proc. Rewriting a file on the disk at every input would leave the fuzzer
// waiting for the disk, and this one is gone with the process, even after a
// finding.
class ScratchFile {
 public:
  ScratchFile() : fd_(memfd_create(kPositionPresetFile, 0)) {
    if (fd_ < 0) Violated("memfd_create", "no in-memory file");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  ~ScratchFile() { close(fd_); }
  const NativePath& Path() const { return path_; }

 private:
  int fd_;
  NativePath path_;
};

std::string FileBytes(const NativePath& path) {
  std::string bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f)) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

void CheckFile(std::string_view bytes) {
  const Items items = PresetItemsFromBytes(bytes);
  const Items lines = Lines(bytes);
  FUZZ_REQUIRE(items == lines, fuzz::Shown(bytes) + " gave " + Shown(items) + ", expected " + Shown(lines));

  const std::string saved = PresetFileBytes(items);
  std::string expected;
  for (const std::string& item : items) expected += item + "\r\n";
  FUZZ_REQUIRE(saved == expected, Shown(items) + " saved as " + fuzz::Shown(saved));
  FUZZ_REQUIRE(PresetItemsFromBytes(saved) == items,
               Shown(items) + " saved do not read back the same");

  static const ScratchFile scratch;
  // Through a file for every fourth length only: the file system takes
  // longer than all the rest, and the bytes go through the same reading.
  if (bytes.size() % 4 != 0) return;
  const NativePath& file = scratch.Path();
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  const std::optional<Items> loaded = LoadPresetFile(file);
  FUZZ_REQUIRE(loaded == items, "the file " + fuzz::Shown(bytes) + " loaded otherwise");
  SavePresetFile(file, items);
  FUZZ_REQUIRE(FileBytes(file) == saved, Shown(items) + " saved into the file otherwise");
  FUZZ_REQUIRE(LoadPresetList(file, DesignedSizePresets()) == items,
               "the saved list did not load the same");
}

}  // namespace
}  // namespace nolb::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  nolb::fuzz::CheckFile(nolb::fuzz::AsText(data, size));
  return 0;
}
