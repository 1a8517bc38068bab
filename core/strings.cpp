#include "core/strings.h"

#include <algorithm>
#include <stdexcept>

namespace au {

void TStrings::Put(int index, std::string line) {
  TStringsUpdate update(*this);
  Delete(index);
  Insert(index, std::move(line));
}

int TStrings::Add(std::string line) {
  const int index = Count();
  Insert(index, std::move(line));
  return index;
}

void TStrings::AddStrings(std::span<const std::string> lines) {
  TStringsUpdate update(*this);
  for (const std::string& line : lines) Add(line);
}

void TStrings::Assign(std::span<const std::string> lines) {
  TStringsUpdate update(*this);
  Clear();
  AddStrings(lines);
}

std::string TStrings::GetText() const {
  constexpr std::string_view kBreak = "\r\n";
  const int count = Count();
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  std::size_t length = 0;
  for (int i = 0; i < count; ++i) {
    lines.push_back(Get(i));
    length += lines.back().size() + kBreak.size();
  }
  std::string text;
  text.reserve(length);
  for (const std::string& line : lines) {
    text += line;
    text += kBreak;
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  TStringsUpdate update(*this);
  Clear();
  text = text.substr(0, text.find('\0'));
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    Add(std::string(text.substr(pos, end - pos)));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  // An unmatched EndUpdate is ignored rather than leaving the counter below 0,
  // where the next BeginUpdate would no longer switch the state.
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

std::size_t TStringList::CheckedIndex(int index, bool endAllowed) const {
  const int last = endAllowed ? Count() : Count() - 1;
  if (index < 0 || index > last) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
  return static_cast<std::size_t>(index);
}

std::string TStringList::Get(int index) const {
  return lines_[CheckedIndex(index)];
}

void TStringList::Put(int index, std::string line) {
  lines_[CheckedIndex(index)] = std::move(line);
}

void TStringList::Insert(int index, std::string line) {
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index, true)),
                std::move(line));
}

void TStringList::Delete(int index) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index)));
}

}  // namespace au
