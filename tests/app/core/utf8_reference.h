// The UTF-8 rules of the converter written out one unit and one byte at a
// time, with nothing fast about them: what the block paths of the real
// encoder and decoder are held against.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace au::test {

inline std::string ReferenceEncode(std::u16string_view units) {
  std::string out;
  for (const char16_t u : units) {
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// Nothing for malformed input.
inline std::optional<std::u16string> ReferenceDecode(std::string_view s) {
  std::u16string out;
  std::size_t i = 0;
  const auto next = [&]() -> std::optional<unsigned> {
    if (i == s.size()) return std::nullopt;
    return static_cast<unsigned char>(s[i++]);
  };
  while (i < s.size()) {
    const unsigned b = *next();
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      continue;
    }
    unsigned value = b & 0x3F;
    const int trails = (value & 0x20) ? 2 : 1;
    for (int t = 0; t < trails; ++t) {
      const std::optional<unsigned> c = next();
      if (!c || (*c & 0xC0) != 0x80) return std::nullopt;
      value = (value << 6) | (*c & 0x3F);
    }
    out.push_back(static_cast<char16_t>(value));
  }
  return out;
}

}  // namespace au::test
