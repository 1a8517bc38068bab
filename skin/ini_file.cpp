#include "skin/ini_file.h"

#include "skin/ansi_text.h"
#include "skin/number_text.h"

namespace au {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

IniFile::IniFile(std::string_view text) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line =
        TrimBlanks(text.substr(0, end == std::string_view::npos ? text.size() : end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
      const auto [slot, added] = index_.try_emplace(UpperCase(name), sections_.size());
      if (added) sections_.push_back({std::string(name), {}});
      current = &sections_[slot->second];
      continue;
    }
    if (current == nullptr) {
      linesBeforeSections_.emplace_back(line);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->Entries.push_back({std::string(line), {}});
    } else {
      current->Entries.push_back({std::string(TrimBlanks(line.substr(0, equals))),
                                  std::string(TrimBlanks(line.substr(equals + 1)))});
    }
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const auto found = index_.find(UpperCase(name));
  return found == index_.end() ? nullptr : &sections_[found->second];
}

const IniFile::Entry* IniFile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  for (const Entry& entry : s->Entries)
    if (SameText(entry.Key, key)) return &entry;
  return nullptr;
}

const std::string* IniFile::FindValue(std::string_view section, std::string_view key) const {
  const Entry* entry = FindEntry(section, key);
  return entry != nullptr ? &entry->Value : nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? *value : std::string(fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? StrToIntDef(*value, fallback) : fallback;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
  const std::string* value = FindValue(section, key);
  if (value == nullptr) return fallback;
  return ParseFloat(*value).value_or(fallback);
}

}  // namespace au
