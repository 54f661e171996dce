#include "tests/fuzz/section_check.h"

#include <algorithm>

namespace nolb::fuzz {
namespace {

// Work areas of two monitors: 1280 × 1024 with a taskbar below, and
// 1920 × 1080 to its right, 200 pixels higher, with a toolbar on its left.
const std::vector<MonitorArea> kMonitors = {
    {{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
    {{1280, -200, 1920, 1080}, {1340, -200, 1860, 1080}},
};

bool SharesAPixel(const WindowRect& a, const WindowRect& b) {
  auto right = [](const WindowRect& r) { return std::int64_t{r.left} + r.width; };
  auto bottom = [](const WindowRect& r) { return std::int64_t{r.top} + r.height; };
  return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}

}  // namespace

InputSettingsFile::InputSettingsFile(std::string_view text) {
  std::string_view section;
  for (std::string_view line : Split(text, '\n')) {
    if (line.starts_with('[') && line.ends_with(']') && line.size() >= 2) {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const std::size_t equals = std::min(line.find('='), line.size());
    const std::string_view value = equals < line.size() ? line.substr(equals + 1) : "";
    lines_.push_back({section, line.substr(0, equals), value});
  }
}

const InputSettingsFile::Line* InputSettingsFile::Find(std::string_view section,
                                                       std::string_view key) const {
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line) {
    if (line->key == key && line->section == section) return &*line;
  }
  return nullptr;
}

std::optional<std::string> InputSettingsFile::Read(std::string_view section, std::string_view key) {
  const Line* line = Find(section, key);
  if (!line) return std::nullopt;
  return std::string(line->value);
}

bool InputSettingsFile::TryWrite(std::string_view, std::string_view, std::string_view) {
  written_ = true;
  return true;
}

bool InputSettingsFile::TryRemoveSection(std::string_view) {
  written_ = true;
  return true;
}

std::optional<std::string> WrittenSettingsFile::Read(std::string_view section,
                                                     std::string_view key) {
  for (auto k = keys_.rbegin(); k != keys_.rend(); ++k) {
    if (k->key == key && k->section == section) return k->value;
  }
  return std::nullopt;
}

bool WrittenSettingsFile::TryWrite(std::string_view section, std::string_view key,
                                   std::string_view value) {
  keys_.push_back({std::string(section), std::string(key), std::string(value)});
  return true;
}

bool WrittenSettingsFile::TryRemoveSection(std::string_view section) {
  std::erase_if(keys_, [&](const Key& k) { return k.section == section; });
  return true;
}

std::string WrittenBack(const SectionKey& key, const std::optional<std::string>& stored) {
  const std::int32_t n = (stored ? ParseInteger(*stored) : std::nullopt).value_or(key.fallback);
  switch (key.rule) {
    case KeyRule::kInteger:
      return IntegerText(n);
    case KeyRule::kFlag:
      return n != 0 ? "1" : "0";
    case KeyRule::kLowByte:
      return IntegerText(n & 0xFF);
    case KeyRule::kRotation:
      return IntegerText(n >= 0 && n <= 3 ? n : 0);
    case KeyRule::kTickPeriod:
      return IntegerText(n >= 10 && n <= 100 ? n : 33);
    case KeyRule::kHotkeyValue:
      // Low byte: the key code; 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
      return IntegerText(static_cast<std::int32_t>(static_cast<std::uint32_t>(n) % 65536 & 0xE0FF));
  }
  return {};
}

InputSettingsFile ConvertibleKeysOnly(const InputSettingsFile& file, std::string_view section,
                                      const std::vector<SectionKey>& keys) {
  std::vector<InputSettingsFile::Line> lines;
  for (const SectionKey& key : keys) {
    const InputSettingsFile::Line* line = file.Find(section, key.name);
    if (line && ParseInteger(line->value)) lines.push_back(*line);
  }
  return InputSettingsFile(std::move(lines));
}

void CheckPlacement(const WindowRect& stored) {
  const WindowRect placed = PlaceOnMonitors(stored, kMonitors);
  const auto shown = [](const WindowRect& r) {
    return IntegerText(r.left) + ", " + IntegerText(r.top) + " " + IntegerText(r.width) + " x " +
           IntegerText(r.height);
  };
  FUZZ_REQUIRE(placed.width == stored.width && placed.height == stored.height,
               "the place " + shown(stored) + " became " + shown(placed));
  if (stored.width <= 0 || stored.height <= 0) return;
  const bool reachable = std::any_of(kMonitors.begin(), kMonitors.end(), [&](const MonitorArea& m) {
    return SharesAPixel(placed, m.work);
  });
  FUZZ_REQUIRE(reachable, "the place " + shown(stored) + " became " + shown(placed) +
                              ", on no monitor's work area");
}

}  // namespace nolb::fuzz
