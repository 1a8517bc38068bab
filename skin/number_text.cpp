#include "skin/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

#include "skin/ansi_text.h"
#include "skin/conversion_error.h"

namespace au {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Accumulates digits of `base`; fails on an empty run, a foreign character or
// a value above `limit`.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int digit = DigitValue(c);
    if (digit >= base) return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '$') {
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else {
    const auto magnitude = ParseDigits(text, 10, negative ? 2147483648u : 2147483647u);
    if (!magnitude) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*magnitude)
                                              : static_cast<std::int64_t>(*magnitude));
  }
  const auto bits = ParseDigits(text, 16, 0xFFFFFFFFu);
  if (!bits) return std::nullopt;
  const std::uint32_t value = static_cast<std::uint32_t>(*bits);
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::int32_t StrToInt(std::string_view text) {
  if (const auto value = ParseInteger(text)) return *value;
  throw SkinConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<double> ParseFloat(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would also take "inf", "nan" and hexadecimal forms; a skin
  // number starts with a digit or the decimal point.
  if (text.empty() || !(DigitValue(text.front()) < 10 || text.front() == '.')) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return negative ? -value : value;
}

}  // namespace au
