#include "skin/ansi_text.h"

#include <algorithm>

namespace au {

char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperChar(c);
  return result;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperChar(x) == UpperChar(y);
         });
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view delimiters) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (true) {
    const std::size_t start = text.find_first_not_of(delimiters, pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = text.find_first_of(delimiters, start);
    words.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    pos = end;
  }
  return words;
}

}  // namespace au
