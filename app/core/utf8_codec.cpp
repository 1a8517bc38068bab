#include "app/core/utf8_codec.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace au {
namespace {

// Text is mostly ASCII, so both directions move runs of ASCII in blocks of this
// many characters: one test for the whole block, then a straight copy that the
// compiler turns into vector code.
constexpr std::size_t kBlock = 16;

bool BlockIsAscii(const char16_t* units) {
  std::uint64_t words[kBlock / 4];
  std::memcpy(words, units, sizeof(words));
  std::uint64_t any = 0;
  for (std::uint64_t w : words)
    any |= w;
  return (any & 0xFF80FF80FF80FF80u) == 0;
}

bool BlockIsAscii(const unsigned char* bytes) {
  std::uint64_t words[kBlock / 8];
  std::memcpy(words, bytes, sizeof(words));
  std::uint64_t any = 0;
  for (std::uint64_t w : words)
    any |= w;
  return (any & 0x8080808080808080u) == 0;
}

std::size_t Utf8Length(std::u16string_view source) {
  std::size_t length = 0;
  for (char16_t u : source)
    length += 1 + (u >= 0x80) + (u >= 0x800);
  return length;
}

// Encodes while the output stays within `limit` bytes; returns the bytes written.
std::size_t EncodeUnits(unsigned char* dest, std::size_t limit, std::u16string_view source) {
  const char16_t* src = source.data();
  const std::size_t n = source.size();
  std::size_t i = 0;
  std::size_t count = 0;
  while (i < n) {
    const char16_t u = src[i];
    if (u < 0x80) {
      if (n - i >= kBlock && limit - count >= kBlock && BlockIsAscii(src + i)) {
        for (std::size_t k = 0; k < kBlock; ++k)
          dest[count + k] = static_cast<unsigned char>(src[i + k]);
        i += kBlock;
        count += kBlock;
        continue;
      }
      if (count == limit)
        break;
      dest[count++] = static_cast<unsigned char>(u);
    } else if (u < 0x800) {
      if (limit - count < 2)
        break;
      dest[count++] = static_cast<unsigned char>(0xC0 | (u >> 6));
      dest[count++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
    } else {
      if (limit - count < 3)
        break;
      dest[count++] = static_cast<unsigned char>(0xE0 | (u >> 12));
      dest[count++] = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
      dest[count++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
    }
    ++i;
  }
  return count;
}

// Decodes at most `capacity` code units; returns how many, or kMalformedUtf8.
// Without kWrite it only scans, with the same tests.
template <bool kWrite>
std::size_t DecodeBytes(char16_t* dest, std::size_t capacity, std::string_view source) {
  const auto* src = reinterpret_cast<const unsigned char*>(source.data());
  const std::size_t n = source.size();
  std::size_t i = 0;
  std::size_t count = 0;
  while (i < n && count < capacity) {
    const unsigned char b = src[i];
    if (b < 0x80) {
      if (n - i >= kBlock && capacity - count >= kBlock && BlockIsAscii(src + i)) {
        if constexpr (kWrite) {
          for (std::size_t k = 0; k < kBlock; ++k)
            dest[count + k] = src[i + k];
        }
        i += kBlock;
        count += kBlock;
        continue;
      }
      if constexpr (kWrite)
        dest[count] = b;
      ++i;
      ++count;
      continue;
    }
    if (++i == n)
      return kMalformedUtf8;
    unsigned value = b & 0x3Fu;
    if (value & 0x20u) {
      const unsigned char c = src[i++];
      if ((c & 0xC0) != 0x80 || i == n)
        return kMalformedUtf8;
      value = (value << 6) | (c & 0x3Fu);
    }
    const unsigned char c = src[i++];
    if ((c & 0xC0) != 0x80)
      return kMalformedUtf8;
    if constexpr (kWrite)
      dest[count] = static_cast<char16_t>((value << 6) | (c & 0x3Fu));
    ++count;
  }
  return count;
}

}  // namespace

std::size_t WriteUtf8Units(char* dest, std::size_t capacity, std::u16string_view source) {
  if (source.data() == nullptr)
    return 0;
  if (dest == nullptr)
    return Utf8Length(source) + 1;
  if (capacity == 0)
    return 0;
  const std::size_t count =
      EncodeUnits(reinterpret_cast<unsigned char*>(dest), capacity - 1, source);
  dest[count] = 0;
  return count + 1;
}

std::size_t ReadUtf8Bytes(char16_t* dest, std::size_t capacity, std::string_view source) {
  if (source.data() == nullptr)
    return 0;
  if (dest == nullptr) {
    const std::size_t count =
        DecodeBytes<false>(nullptr, std::numeric_limits<std::size_t>::max(), source);
    return count == kMalformedUtf8 ? kMalformedUtf8 : count + 1;
  }
  if (capacity == 0)
    return 0;
  std::size_t count = DecodeBytes<true>(dest, capacity, source);
  if (count == kMalformedUtf8)
    return kMalformedUtf8;
  if (count >= capacity)
    count = capacity - 1;
  dest[count] = 0;
  return count + 1;
}

std::string EncodeWideToUtf8(std::u16string_view wide) {
  std::string result;
  if (wide.empty())
    return result;
  if (wide.size() > result.max_size() / 3)
    throw std::length_error("EncodeWideToUtf8");
  result.resize(3 * wide.size());
  result.resize(EncodeUnits(reinterpret_cast<unsigned char*>(result.data()), result.size(), wide));
  return result;
}

std::u16string DecodeUtf8ToWide(std::string_view utf8) {
  std::u16string result;
  if (utf8.empty())
    return result;
  // Every code unit takes at least one byte, so n units always suffice.
  result.resize(utf8.size());
  const std::size_t count = DecodeBytes<true>(result.data(), result.size(), utf8);
  result.resize(count == kMalformedUtf8 ? 0 : count);
  return result;
}

}  // namespace au
