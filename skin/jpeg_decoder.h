// JPEG pictures of skin folders (patterns and textures), decoded with libjpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pixels/bitmap24.h"

namespace au {

// Pictures above this many pixels are refused before any pixel memory is taken.
inline constexpr std::uint64_t kMaxJpegPixels = std::uint64_t{1} << 25;

// Nothing for anything libjpeg cannot decode cleanly: a damaged or truncated
// file, a colour space without an RGB form, a picture above kMaxJpegPixels.
// Never ends the process, whatever the bytes.
std::optional<Bitmap24> DecodeJpeg(std::span<const std::uint8_t> file);

}  // namespace au
