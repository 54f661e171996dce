#include "target/kept_target.h"

#include <string>
#include <utility>

#include "base/integer_text.h"

namespace nolb {
namespace {

std::string Numbered(const char* key, size_t index) { return key + std::to_string(index); }

// The rectangle's keys, read and written in this order.
constexpr std::pair<const char*, std::int32_t HookTarget::*> kRectKeys[] = {
    {"X", &HookTarget::x}, {"Y", &HookTarget::y}, {"Width", &HookTarget::width}, {"Height", &HookTarget::height}};

// A key that must be there and hold an integer.
std::optional<std::int32_t> IntegerKey(SettingsStore& store, std::string_view key) {
  const std::optional<std::string> text = store.Read(kKeptTargetSection, key);
  if (!text) return std::nullopt;
  return ParseInteger(*text);
}

}  // namespace

std::optional<KeptTarget> ReadKeptTarget(SettingsStore& store) {
  KeptTarget kept;
  const std::optional<std::string> executable = store.Read(kKeptTargetSection, "Executable");
  const std::optional<std::int32_t> links = IntegerKey(store, "Links");
  if (!executable || executable->empty() || !links || *links < 1 || *links > kMaxKeptLinks) return std::nullopt;
  kept.identity.executable = *executable;
  kept.identity.title = store.Read(kKeptTargetSection, "Title").value_or("");
  for (size_t i = 0; i < static_cast<size_t>(*links); ++i) {
    const std::optional<std::string> className = store.Read(kKeptTargetSection, Numbered("Class", i));
    if (!className) return std::nullopt;
    kept.identity.chain.push_back({*className, ReadInteger(store, kKeptTargetSection, Numbered("Id", i), 0)});
  }
  for (const auto& [key, field] : kRectKeys) {
    const std::optional<std::int32_t> value = IntegerKey(store, key);
    if (!value) return std::nullopt;
    kept.rect.*field = *value;
  }
  return kept;
}

void WriteKeptTarget(SettingsStore& store, const std::optional<KeptTarget>& kept) {
  store.RemoveSection(kKeptTargetSection);
  if (!kept) return;
  const WindowIdentity& id = kept->identity;
  store.Write(kKeptTargetSection, "Executable", id.executable);
  store.Write(kKeptTargetSection, "Title", id.title);
  WriteInteger(store, kKeptTargetSection, "Links", static_cast<std::int32_t>(id.chain.size()));
  for (size_t i = 0; i < id.chain.size(); ++i) {
    store.Write(kKeptTargetSection, Numbered("Class", i), id.chain[i].className);
    WriteInteger(store, kKeptTargetSection, Numbered("Id", i), id.chain[i].controlId);
  }
  for (const auto& [key, field] : kRectKeys) WriteInteger(store, kKeptTargetSection, key, kept->rect.*field);
}

}  // namespace nolb
