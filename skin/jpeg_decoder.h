// JPEG pictures of skin folders (patterns and textures), decoded with libjpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "pixels/bitmap24.h"

namespace au {

// Pictures above this many pixels are refused before any pixel memory is taken.
inline constexpr std::uint64_t kMaxJpegPixels = std::uint64_t{1} << 25;

// Nothing for a picture that libjpeg cannot decode whole: a damaged file, one
// whose data ends before its last scan line, a colour space without an RGB
// form, a picture above kMaxJpegPixels. A picture that decodes to its last
// line with warnings only (stray bytes before a marker, an odd header) is
// kept. `problem`, when given, receives the reason for a refusal. Never ends
// the process, whatever the bytes.
std::optional<Bitmap24> DecodeJpeg(std::span<const std::uint8_t> file,
                                   std::string* problem = nullptr);

}  // namespace au
