// Fast paths of the UTF-8 encoder and decoder over whole blocks of text, for
// processors with the instructions for them. Each converts from the start of
// its input for as long as every block is one it converts exactly as the
// portable code would, and stops at the first that it does not know (a
// three-byte sequence, anything malformed) or when the input or the room runs
// short; the portable code goes on from there. So the results are the same to
// the byte with and without them.
#pragma once

#include <cstddef>

namespace au {

struct BlockProgress {
  std::size_t read = 0;
  std::size_t written = 0;
};

// Code units to UTF-8; writes at most `room` bytes.
using EncodeBlocks = BlockProgress (*)(const char16_t* src, std::size_t count, unsigned char* dest,
                                       std::size_t room);
// UTF-8 to code units; writes at most `room` units.
using DecodeBlocks = BlockProgress (*)(const unsigned char* src, std::size_t count, char16_t* dest,
                                       std::size_t room);

struct Utf8BlockPaths {
  EncodeBlocks encode = nullptr;
  DecodeBlocks decode = nullptr;
};

// The block paths this processor runs; null where it has none.
const Utf8BlockPaths& Utf8Blocks();

}  // namespace au
