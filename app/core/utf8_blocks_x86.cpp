// The block paths on x86 processors with SSSE3 (every x86-64 processor of the
// last fifteen years; the 32-bit program asks the processor at run time, as
// its baseline has no vector instructions at all). Each step takes 8 code
// units or 8 bytes: all ASCII, or any mix of ASCII and two-byte sequences
// (Cyrillic, Greek, accented Latin text), which a table-driven byte shuffle
// packs or unpacks at once. Three-byte sequences and anything malformed are
// left to the portable code.
#include <immintrin.h>

#include <cstdint>

#include "app/core/utf8_blocks.h"

#define AU_SSSE3 __attribute__((target("ssse3")))

namespace au {
namespace {

constexpr unsigned char kZeroLane = 0x80;  // a shuffle index that gives 0

// Encoding 8 units of which those with bit k of the index set are ASCII:
// which bytes of their two-byte forms (lead or ASCII byte, then trail) to keep.
struct EncodeTable {
  alignas(16) unsigned char shuffle[256][16];
  unsigned char length[256];
};

constexpr EncodeTable MakeEncodeTable() {
  EncodeTable t{};
  for (int ascii = 0; ascii < 256; ++ascii) {
    int out = 0;
    for (int k = 0; k < 8; ++k) {
      t.shuffle[ascii][out++] = static_cast<unsigned char>(2 * k);
      if ((ascii & (1 << k)) == 0) t.shuffle[ascii][out++] = static_cast<unsigned char>(2 * k + 1);
    }
    t.length[ascii] = static_cast<unsigned char>(out);
    while (out < 16) t.shuffle[ascii][out++] = kZeroLane;
  }
  return t;
}

// Decoding 8 bytes whose two-byte lead bytes are marked by the index: for
// each unit, its first byte and its trail byte (none for ASCII); how many
// bytes that reads (a lead in the last byte waits for the next step) and how
// many units it gives.
struct DecodeTable {
  alignas(16) unsigned char shuffle[256][16];
  unsigned char read[256];
  unsigned char units[256];
};

constexpr DecodeTable MakeDecodeTable() {
  DecodeTable t{};
  for (int leads = 0; leads < 256; ++leads) {
    int p = 0;
    int k = 0;
    while (p < 8) {
      const bool lead = (leads & (1 << p)) != 0;
      if (lead && p == 7) break;
      t.shuffle[leads][2 * k] = static_cast<unsigned char>(p);
      t.shuffle[leads][2 * k + 1] = lead ? static_cast<unsigned char>(p + 1) : kZeroLane;
      p += lead ? 2 : 1;
      ++k;
    }
    t.read[leads] = static_cast<unsigned char>(p);
    t.units[leads] = static_cast<unsigned char>(k);
    for (; k < 8; ++k) t.shuffle[leads][2 * k] = t.shuffle[leads][2 * k + 1] = kZeroLane;
  }
  return t;
}

constexpr EncodeTable kEncode = MakeEncodeTable();
constexpr DecodeTable kDecode = MakeDecodeTable();

AU_SSSE3 inline __m128i Load(const void* p) {
  return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

AU_SSSE3 inline void Store(void* p, __m128i v) {
  _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

AU_SSSE3 inline __m128i Words(int value) {
  return _mm_set1_epi16(static_cast<short>(value));
}

AU_SSSE3 inline __m128i Bytes(int value) {
  return _mm_set1_epi8(static_cast<char>(value));
}

// Lanes of `mask` from `a`, the others from `b`.
AU_SSSE3 inline __m128i Select(__m128i mask, __m128i a, __m128i b) {
  return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

// Whether none of the units of `v` is beyond ASCII.
AU_SSSE3 inline bool AsciiUnits(__m128i v) {
  const __m128i high = _mm_and_si128(v, Words(0xFF80));
  return _mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_setzero_si128())) == 0xFFFF;
}

AU_SSSE3 BlockProgress EncodeBlocksSsse3(const char16_t* src, std::size_t n, unsigned char* dest,
                                         std::size_t room) {
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  std::size_t w = 0;
  while (n - i >= 8 && room - w >= 16) {
    const __m128i v = Load(src + i);
    const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(v, Words(0xFF80)), zero);
    const int asciiUnits = _mm_movemask_epi8(_mm_packs_epi16(ascii, zero));
    if (asciiUnits == 0xFF) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(dest + w), _mm_packus_epi16(v, v));
      i += 8;
      w += 8;
      // A run of ASCII, on 32 units at a time while it lasts.
      while (n - i >= 32 && room - w >= 32) {
        const __m128i a = Load(src + i);
        const __m128i b = Load(src + i + 8);
        const __m128i c = Load(src + i + 16);
        const __m128i d = Load(src + i + 24);
        if (!AsciiUnits(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)))) break;
        Store(dest + w, _mm_packus_epi16(a, b));
        Store(dest + w + 16, _mm_packus_epi16(c, d));
        i += 32;
        w += 32;
      }
      continue;
    }
    const __m128i threeBytes = _mm_cmpeq_epi16(_mm_and_si128(v, Words(0xF800)), zero);
    if (_mm_movemask_epi8(threeBytes) != 0xFFFF) break;
    const __m128i lead = _mm_or_si128(_mm_srli_epi16(v, 6), Words(0xC0));
    const __m128i trail = _mm_or_si128(_mm_and_si128(v, Words(0x3F)), Words(0x80));
    const __m128i twoBytes = _mm_or_si128(lead, _mm_slli_epi16(trail, 8));
    const __m128i forms = Select(ascii, v, twoBytes);
    Store(dest + w, _mm_shuffle_epi8(forms, Load(kEncode.shuffle[asciiUnits])));
    i += 8;
    w += kEncode.length[asciiUnits];
  }
  return {i, w};
}

// Bit p set for each byte p of the 16 in `b` that equals `value` in the bits of `mask`.
AU_SSSE3 inline std::uint64_t BytesWhere(__m128i b, int mask, int value) {
  return static_cast<std::uint16_t>(
      _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(b, Bytes(mask)), Bytes(value))));
}

// The same for the 64 bytes of four vectors in a row.
AU_SSSE3 inline std::uint64_t Bits64(const __m128i (&b)[4], int mask, int value) {
  return BytesWhere(b[0], mask, value) | BytesWhere(b[1], mask, value) << 16 |
         BytesWhere(b[2], mask, value) << 32 | BytesWhere(b[3], mask, value) << 48;
}

// One step of 8 bytes (7 when the last is a lead byte) at `src`, whose lead
// bytes are the bits of `leads`: its units to `dest`; returns how many.
AU_SSSE3 inline int DecodeStep(const unsigned char* src, unsigned leads, char16_t* dest) {
  const __m128i pairs = _mm_shuffle_epi8(Load(src), Load(kDecode.shuffle[leads]));
  const __m128i first = _mm_and_si128(pairs, Words(0xFF));
  const __m128i second = _mm_srli_epi16(pairs, 8);
  const __m128i twoBytes = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(first, Words(0x1F)), 6),
                                        _mm_and_si128(second, Words(0x3F)));
  Store(dest, Select(_mm_cmpeq_epi16(second, _mm_setzero_si128()), first, twoBytes));
  return kDecode.units[leads];
}

AU_SSSE3 BlockProgress DecodeBlocksSsse3(const unsigned char* src, std::size_t n, char16_t* dest,
                                         std::size_t room) {
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  std::size_t w = 0;
  // 64 bytes at a time, all of whose lead and trail bytes are known before
  // the steps through them: so no step waits for the one before it. The
  // bytes qualify when every one is ASCII, a lead byte 0xC0..0xDF directly
  // followed by a trail byte 0x80..0xBF, or that trail byte: then every
  // sequence starts where the decoding rules start it.
  while (n - i >= 80 && room - w >= 72) {
    const __m128i b[4] = {Load(src + i), Load(src + i + 16), Load(src + i + 32),
                          Load(src + i + 48)};
    const __m128i any = _mm_or_si128(_mm_or_si128(b[0], b[1]), _mm_or_si128(b[2], b[3]));
    if (_mm_movemask_epi8(any) == 0) {
      for (int k = 0; k < 4; ++k) {
        Store(dest + w + 16 * k, _mm_unpacklo_epi8(b[k], zero));
        Store(dest + w + 16 * k + 8, _mm_unpackhi_epi8(b[k], zero));
      }
      i += 64;
      w += 64;
      continue;
    }
    const std::uint64_t high = Bits64(b, 0x80, 0x80);
    const std::uint64_t leads = Bits64(b, 0xE0, 0xC0);
    const std::uint64_t trails = Bits64(b, 0xC0, 0x80);
    if ((leads | trails) != high || trails != leads << 1) break;
    std::size_t p = 0;
    while (p <= 56) {
      const auto l = static_cast<unsigned>(leads >> p) & 0xFF;
      w += DecodeStep(src + i + p, l, dest + w);
      p += 8 - (l >> 7);  // a lead byte last waits for the next step
    }
    i += p;
  }
  // Then 8 bytes at a time, to the first that do not qualify.
  while (n - i >= 16 && room - w >= 8) {
    const __m128i b = Load(src + i);
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(b)) & 0xFF;
    const auto leads = static_cast<unsigned>(BytesWhere(b, 0xE0, 0xC0)) & 0xFF;
    const auto trails = static_cast<unsigned>(BytesWhere(b, 0xC0, 0x80)) & 0xFF;
    if ((leads | trails) != high || trails != ((leads << 1) & 0xFF)) break;
    w += DecodeStep(src + i, leads, dest + w);
    i += kDecode.read[leads];
  }
  return {i, w};
}

Utf8BlockPaths Choose() {
  __builtin_cpu_init();
  if (!__builtin_cpu_supports("ssse3")) return {};
  return {EncodeBlocksSsse3, DecodeBlocksSsse3};
}

}  // namespace

const Utf8BlockPaths& Utf8Blocks() {
  static const Utf8BlockPaths paths = Choose();
  return paths;
}

}  // namespace au
