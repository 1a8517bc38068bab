#include "app/core/utf8_codec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "app/core/big_text.h"
#include "app/core/utf8_blocks.h"

namespace au {
namespace {

// Text is mostly ASCII, so where no block path runs, both directions first
// measure the run of ASCII characters in front of them, a word at a time, and
// then move the whole run with a plain loop that the compiler turns into
// vector code where it can.
constexpr std::size_t kBlock = 16;

// Bits that are set in a 64-bit word of code units only if one is not ASCII.
template <typename Unit>
constexpr std::uint64_t kNonAsciiBits = sizeof(Unit) == 1 ? 0x8080808080808080u
                                                          : 0xFF80FF80FF80FF80u;

template <typename Unit>
bool IsAsciiBlock(const Unit* src) {
  constexpr std::size_t kWords = kBlock * sizeof(Unit) / sizeof(std::uint64_t);
  std::uint64_t any = 0;
  for (std::size_t j = 0; j < kWords; ++j) {
    std::uint64_t word;
    std::memcpy(&word, reinterpret_cast<const unsigned char*>(src) + j * sizeof(word),
                sizeof(word));
    any |= word;
  }
  return (any & kNonAsciiBits<Unit>) == 0;
}

template <typename Unit>
std::size_t AsciiPrefix(const Unit* src, std::size_t max) {
  std::size_t k = 0;
  while (max - k >= kBlock && IsAsciiBlock(src + k)) k += kBlock;
  while (k < max && src[k] < 0x80) ++k;
  return k;
}

// The source and destination never overlap; saying so lets the loop be vectorised.
template <typename From, typename To>
void CopyAscii(const From* __restrict src, To* __restrict dest, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) dest[k] = static_cast<To>(src[k]);
}

// How far a conversion got: units or bytes taken from the source and put out.
struct Progress {
  std::size_t read = 0;
  std::size_t written = 0;
  bool malformed = false;
};

// After a block path stops, the portable code takes at least this many units
// or bytes before the block path is tried again, so text it cannot take (CJK
// text, all three-byte sequences) does not pay for a try at every character.
constexpr std::size_t kPortableStretch = 16;

// Encodes while the output fits within `limit` bytes; a sequence that does not
// fit is not started.
Progress EncodeUnits(unsigned char* dest, std::size_t limit, std::u16string_view source) {
  const EncodeBlocks blocks = Utf8Blocks().encode;
  const char16_t* src = source.data();
  const std::size_t n = source.size();
  std::size_t i = 0;
  std::size_t count = 0;
  std::size_t blocksFrom = 0;
  while (i < n) {
    if (blocks != nullptr && i >= blocksFrom) {
      const BlockProgress step = blocks(src + i, n - i, dest + count, limit - count);
      i += step.read;
      count += step.written;
      blocksFrom = i + kPortableStretch;
      if (i == n) break;
    }
    const char16_t u = src[i];
    if (u < 0x80) {
      const std::size_t run = AsciiPrefix(src + i, std::min(n - i, limit - count));
      if (run == 0) break;
      CopyAscii(src + i, dest + count, run);
      i += run;
      count += run;
      continue;
    }
    if (u < 0x800) {
      if (limit - count < 2) break;
      dest[count++] = static_cast<unsigned char>(0xC0 | (u >> 6));
      dest[count++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
    } else {
      if (limit - count < 3) break;
      dest[count++] = static_cast<unsigned char>(0xE0 | (u >> 12));
      dest[count++] = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
      dest[count++] = static_cast<unsigned char>(0x80 | (u & 0x3F));
    }
    ++i;
  }
  return {i, count};
}

std::size_t Utf8Length(std::u16string_view source) {
  std::size_t length = 0;
  for (char16_t u : source) length += 1 + (u >= 0x80) + (u >= 0x800);
  return length;
}

// Decodes at most `capacity` code units. Without kWrite it only scans, with the
// same tests.
template <bool kWrite>
Progress DecodeBytes(char16_t* dest, std::size_t capacity, std::string_view source) {
  const DecodeBlocks blocks = kWrite ? Utf8Blocks().decode : nullptr;
  const auto* src = reinterpret_cast<const unsigned char*>(source.data());
  const std::size_t n = source.size();
  const Progress malformed{.malformed = true};
  std::size_t i = 0;
  std::size_t count = 0;
  std::size_t blocksFrom = 0;
  while (i < n && count < capacity) {
    if (blocks != nullptr && i >= blocksFrom) {
      const BlockProgress step = blocks(src + i, n - i, dest + count, capacity - count);
      i += step.read;
      count += step.written;
      blocksFrom = i + kPortableStretch;
      if (i == n || count == capacity) break;
    }
    const unsigned char b = src[i];
    if (b < 0x80) {
      const std::size_t run = AsciiPrefix(src + i, std::min(n - i, capacity - count));
      if constexpr (kWrite) CopyAscii(src + i, dest + count, run);
      i += run;
      count += run;
      continue;
    }
    // Only bits 0x80 and 0x20 of the lead byte decide the length.
    if (++i == n) return malformed;
    unsigned value = b & 0x3Fu;
    if (value & 0x20u) {
      const unsigned char c = src[i++];
      if ((c & 0xC0) != 0x80 || i == n) return malformed;
      value = (value << 6) | (c & 0x3Fu);
    }
    const unsigned char c = src[i++];
    if ((c & 0xC0) != 0x80) return malformed;
    if constexpr (kWrite) dest[count] = static_cast<char16_t>((value << 6) | (c & 0x3Fu));
    ++count;
  }
  return {i, count};
}

}  // namespace

std::size_t WriteUtf8Units(char* dest, std::size_t capacity, std::u16string_view source) {
  if (source.data() == nullptr) return 0;
  if (dest == nullptr) return Utf8Length(source) + 1;
  if (capacity == 0) return 0;
  const std::size_t count =
      EncodeUnits(reinterpret_cast<unsigned char*>(dest), capacity - 1, source).written;
  dest[count] = 0;
  return count + 1;
}

std::size_t ReadUtf8Bytes(char16_t* dest, std::size_t capacity, std::string_view source) {
  if (source.data() == nullptr) return 0;
  if (dest == nullptr) {
    const Progress scan =
        DecodeBytes<false>(nullptr, std::numeric_limits<std::size_t>::max(), source);
    return scan.malformed ? kMalformedUtf8 : scan.written + 1;
  }
  if (capacity == 0) return 0;
  const Progress decoded = DecodeBytes<true>(dest, capacity, source);
  if (decoded.malformed) return kMalformedUtf8;
  const std::size_t count = std::min(decoded.written, capacity - 1);
  dest[count] = 0;
  return count + 1;
}

// Whole strings are converted straight into their result, which is written
// once, never zero-filled first, and never grows: reserved at its worst-case
// size, or measured first when the text is big.

std::string EncodeWideToUtf8(std::u16string_view wide) {
  std::string result;
  if (wide.empty()) return result;
  if (wide.size() > result.max_size() / 3) throw std::length_error("EncodeWideToUtf8");
  const std::size_t size = wide.size() < kBigTextFrom ? 3 * wide.size() : Utf8Length(wide);
  result.resize_and_overwrite(size, [wide](char* dest, std::size_t room) {
    return EncodeUnits(reinterpret_cast<unsigned char*>(dest), room, wide).written;
  });
  return result;
}

std::u16string DecodeUtf8ToWide(std::string_view utf8) {
  std::u16string result;
  if (utf8.empty()) return result;
  // Every code unit takes at least one byte.
  std::size_t size = utf8.size();
  if (size >= kBigTextFrom) {
    const Progress scan =
        DecodeBytes<false>(nullptr, std::numeric_limits<std::size_t>::max(), utf8);
    if (scan.malformed) return result;
    size = scan.written;
  }
  bool malformed = false;
  result.resize_and_overwrite(size, [utf8, &malformed](char16_t* dest, std::size_t room) {
    const Progress step = DecodeBytes<true>(dest, room, utf8);
    malformed = step.malformed;
    return malformed ? 0 : step.written;
  });
  if (malformed) return {};
  return result;
}

}  // namespace au
