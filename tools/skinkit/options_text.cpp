#include "tools/skinkit/options_text.h"

#include <stdexcept>

#include "skin/ansi_text.h"

namespace au::kit {
namespace {

// The loader trims every line and the parts around "=", and splits lines at
// CR and LF: text survives only when none of that touches it.
void RequireReadableText(std::string_view text, std::string_view what) {
  if (TrimBlanks(text) != text || text.find_first_of("\r\n") != std::string_view::npos)
    throw std::invalid_argument(std::string(what) + " '" + std::string(text) +
                                "' would not read back as written");
}

}  // namespace

OptionsText::Section& OptionsText::Section::Add(std::string_view key, std::string_view value) {
  RequireReadableText(key, "key");
  RequireReadableText(value, "value");
  if (key.empty() || key.find('=') != std::string_view::npos || key.front() == ';' ||
      key.front() == '[')
    throw std::invalid_argument("'" + std::string(key) + "' cannot be a key");
  Entries.push_back({std::string(key), std::string(value)});
  return *this;
}

OptionsText::Section& OptionsText::AddSection(std::string_view name) {
  RequireReadableText(name, "section name");
  if (IndexOf(name))
    throw std::invalid_argument("section '" + std::string(name) + "' is given twice");
  sections_.push_back({std::string(name), {}});
  return sections_.back();
}

std::optional<std::size_t> OptionsText::IndexOf(std::string_view name) const {
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (SameText(sections_[i].Name, name)) return i;
  return std::nullopt;
}

std::string OptionsText::Render() const {
  std::string text;
  for (const Section& section : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + section.Name + "]\r\n";
    for (const Entry& entry : section.Entries) text += entry.Key + "=" + entry.Value + "\r\n";
  }
  return text;
}

}  // namespace au::kit
