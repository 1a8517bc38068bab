// Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER) read into and
// written from 24-bit pictures.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pixels/bitmap24.h"
#include "pixels/color.h"

namespace au {

// Pictures larger than this many pixels are refused, whatever their file says.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t(64) * 1024 * 1024;

// Reads the file image of a Windows bitmap: the 12-byte core header (with
// 3-byte palette entries), an information header of 40 bytes or one of its
// longer versions (52, 56, 108, 124 bytes); 1, 4, 8, 16, 24 or 32 bits per
// pixel; uncompressed, RLE8, RLE4, or bit fields for 16 and 32 bits; rows
// stored bottom-up or top-down; the last row may lack its padding. Anything
// malformed (truncated data, offsets outside the file, sizes over
// kMaxBmpPixels, palettes beyond the file, palette indexes beyond the palette,
// runs that leave the picture) gives std::nullopt, and `problem`, when given,
// the reason. Pixels that an RLE picture skips take palette entry 0.
std::optional<Bitmap24> DecodeBmp(std::span<const std::uint8_t> file,
                                  std::string* problem = nullptr);

// A 24-bit file: 54 bytes of headers, rows bottom-up, padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap24& picture);

// A picture of palette indexes, rows from top to bottom.
struct IndexedPicture {
  int Width = 0;
  int Height = 0;
  std::array<TColor, 256> Palette{};
  std::vector<std::uint8_t> Indexes;  // Width * Height, row after row
};

// An 8-bit file with all 256 palette entries: 1078 bytes of headers and
// palette, rows bottom-up, padded to 4 bytes, 2835 pixels per metre.
// Indexes.size() must be Width * Height.
std::vector<std::uint8_t> EncodeBmp8(const IndexedPicture& picture);

}  // namespace au
