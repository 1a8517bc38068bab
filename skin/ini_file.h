// The options file of a skin folder: INI-style text held in memory. Section
// names and keys are matched without regard to case; lines are trimmed of
// blanks and control characters; lines starting with ";" are comments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace au {

class IniFile {
 public:
  struct Entry {
    std::string Key;
    std::string Value;  // empty for a line without "="
  };
  struct Section {
    std::string Name;            // as first written
    std::vector<Entry> Entries;  // in file order
  };

  IniFile() = default;
  // Lines before the first section header belong to no section and are
  // dropped. A section header met a second time continues the first section.
  // A UTF-8 byte-order mark at the start, which many editors write, is skipped.
  explicit IniFile(std::string_view text);

  const std::vector<Section>& Sections() const { return sections_; }
  // The lines that were dropped for standing before the first section, trimmed.
  const std::vector<std::string>& LinesBeforeSections() const { return linesBeforeSections_; }

  // The first section of that name, or null.
  const Section* FindSection(std::string_view name) const;
  // The first entry with that key, or null.
  const Entry* FindEntry(std::string_view section, std::string_view key) const;
  // The value of the first entry with that key, or null.
  const std::string* FindValue(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Decimal, "$" or "0x" hexadecimal; anything else gives the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  // "." is the decimal separator whatever the locale.
  double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

 private:
  std::vector<Section> sections_;
  std::vector<std::string> linesBeforeSections_;
  std::unordered_map<std::string, std::size_t> index_;  // upper-cased name -> section
};

}  // namespace au
