// How many pixels a picture file claims, read from its header without
// decoding it. Large pictures run the same code as small ones at a far
// greater cost (a few bytes may describe a picture of many megabytes), so the
// fuzz targets leave them to the unit tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace au::fuzz {

inline std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

// The width times the height of a bitmap file's header, whichever header it
// has (0 for no bitmap).
inline std::int64_t ClaimedBmpPixels(std::span<const std::uint8_t> file) {
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') return 0;
  const std::uint32_t sizes = Le32(file, 18);
  if (Le32(file, 14) == 12) return std::int64_t{sizes & 0xFFFF} * (sizes >> 16);  // core header
  const std::int64_t height = std::int32_t(Le32(file, 22));
  return std::int64_t{std::int32_t(sizes)} * (height < 0 ? -height : height);
}

// The largest frame that a JPEG file's frame headers (FF C0..CF other than C4,
// C8 and CC: length, precision, height, width) claim.
inline std::int64_t ClaimedJpegPixels(std::span<const std::uint8_t> file) {
  std::int64_t most = 0;
  for (std::size_t i = 0; i + 8 < file.size(); ++i) {
    const std::uint8_t marker = file[i + 1];
    if (file[i] != 0xFF || marker < 0xC0 || marker > 0xCF || marker == 0xC4 || marker == 0xC8 ||
        marker == 0xCC)
      continue;
    const std::int64_t height = file[i + 5] << 8 | file[i + 6];
    const std::int64_t width = file[i + 7] << 8 | file[i + 8];
    if (height * width > most) most = height * width;
  }
  return most;
}

}  // namespace au::fuzz
