// The converter's own UTF-16 <-> UTF-8 encoder and decoder. Their treatment of
// unusual input is part of what the user sees, so it is kept byte for byte:
//  - every UTF-16 code unit is encoded on its own, so a surrogate pair becomes
//    two three-byte sequences;
//  - lead bytes are told apart only by their bits 0x80 and 0x20: 0x80..0x9F and
//    0xC0..0xDF start a two-byte sequence, 0xA0..0xBF and 0xE0..0xFF a three-byte
//    one, and only the low 16 bits of the decoded value are kept (a four-byte
//    sequence is read as a three-byte one followed by a new lead byte);
//  - overlong forms are accepted (0xC0 0x80 and 0x80 0x80 give U+0000);
//  - one malformed or truncated sequence anywhere empties the whole result.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace au {

// What ReadUtf8Bytes returns for malformed input: all bits set (-1 when read as
// a signed number).
inline constexpr std::size_t kMalformedUtf8 = static_cast<std::size_t>(-1);

// Encodes `source` into `dest`, which holds `capacity` bytes, and stores a 0 byte
// after what was written. A sequence that does not fit in front of that 0 byte is
// not started, so the output never ends in a partial sequence. Returns the number
// of bytes written plus 1 (for the 0 byte); 0 when there is no source
// (source.data() is null) or no room even for the 0 byte. With a null `dest` the
// capacity is ignored and the function returns the encoded length plus 1.
std::size_t WriteUtf8Units(char* dest, std::size_t capacity, std::u16string_view source);

// Decodes `source` into `dest`, which holds `capacity` code units, stopping when
// the buffer is full; the last slot then receives the 0 unit, which therefore
// replaces the last decoded unit. Returns the number of code units written plus 1;
// kMalformedUtf8 when the scanned input is malformed; 0 when there is no source
// or capacity is 0. With a null `dest` the whole input is scanned and the function
// returns its decoded length plus 1, or kMalformedUtf8.
std::size_t ReadUtf8Bytes(char16_t* dest, std::size_t capacity, std::string_view source);

// Whole-string forms. They never grow a buffer: the encoder reserves 3 bytes per
// code unit, the decoder one code unit per byte, and both trim afterwards.
std::string EncodeWideToUtf8(std::u16string_view wide);
// Empty for malformed input: there is no partial result and no replacement character.
std::u16string DecodeUtf8ToWide(std::string_view utf8);

}  // namespace au
