// The text of a skin folder's options file, built section by section and key
// by key in the order the loader will meet them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace au::kit {

class OptionsText {
 public:
  struct Entry {
    std::string Key;
    std::string Value;
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;

    // Throws std::invalid_argument for a key or value that the loader would
    // read back differently (surrounding blanks, line breaks, "=" in a key).
    Section& Add(std::string_view key, std::string_view value);
  };

  // A new section at the end. Throws std::invalid_argument for a name that
  // the loader would read back differently or that an earlier section already
  // has in any case: the loader would merge the two.
  Section& AddSection(std::string_view name);

  const std::vector<Section>& Sections() const { return sections_; }
  Section& At(std::size_t index) { return sections_.at(index); }
  // The position of the section of that name in any case, or nothing.
  std::optional<std::size_t> IndexOf(std::string_view name) const;

  // The file's bytes: one "[NAME]" line per section followed by its
  // "KEY=VALUE" lines, every line ending in CR LF, a blank line between sections.
  std::string Render() const;

 private:
  std::vector<Section> sections_;
};

}  // namespace au::kit
