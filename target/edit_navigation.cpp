#include "target/edit_navigation.h"

namespace nolb {

std::string WithoutLastCharacter(std::string_view text) {
  std::size_t end = text.size();
  if (end == 0) return {};
  --end;
  // Step back over the continuation bytes (10xxxxxx) of a multi-byte character.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

}  // namespace nolb
