#include "status/status_text.h"

#include <cstdio>

namespace nolb {
namespace {

// The value with a fixed number of decimals, as printf's "%.Nf" writes it.
// The program never changes the C locale, so the decimal point is ".".
// (printf rather than std::to_chars: the latter's tables would make up a
// fifth of the released program.)
std::string FixedText(double value, int decimals) {
  // Room for the largest double written out in full.
  char buffer[400];
  int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  return std::string(buffer, static_cast<std::size_t>(length));
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
