// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace e2e {

class TempFolder {
 public:
  TempFolder();
  TempFolder(TempFolder&& other) noexcept;
  TempFolder& operator=(TempFolder&&) = delete;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file as given (no newline conversion); throws on failure.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
// The file's bytes; throws when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

}  // namespace e2e
