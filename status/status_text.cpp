#include "status/status_text.h"

#include <charconv>
#include <system_error>

namespace nolb {
namespace {

// The value with a fixed number of decimals, rounded as printf's "%.Nf"
// rounds, but without any locale.
std::string FixedText(double value, int decimals) {
  // Room for the largest double written out in full.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc{}) return {};
  return std::string(buffer, result.ptr);
}

}  // namespace

std::optional<std::string> VideoMemoryText(std::uint32_t totalBytes, std::uint32_t freeBytes) {
  if (freeBytes > totalBytes) return std::nullopt;
  const double usedMiB = static_cast<double>(totalBytes - freeBytes) * (1.0 / 1024) * (1.0 / 1024);
  return FixedText(usedMiB, 1) + "MB";
}

std::string ProcessingTimeText(double seconds) { return FixedText(seconds * 1000, 2) + "ms"; }

std::string_view HookMark(bool hooked) { return hooked ? "\u25CB" : "\u00D7"; }

int NextAnimationPhase(int phase) { return phase > 0 ? 0 : phase + 1; }

int MarkerImageIndex(int phase, int marker) { return phase * 4 + marker; }

}  // namespace nolb
