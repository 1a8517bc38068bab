// Picture files of skin folders, decoded to 24-bit bitmaps.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pixels/bitmap24.h"

namespace au {

// Nothing when the file is missing or unreadable, or the picture is empty.
std::optional<Bitmap24> LoadBmpPicture(const std::string& path);
std::optional<Bitmap24> LoadJpegPicture(const std::string& path);

// Whether an upper-cased value names a JPEG file.
bool NamesJpegFile(std::string_view upperValue);

// Patterns smaller than this many pixels are kept as texture masks instead.
inline constexpr long long kMinPatternPixels = 90000;

}  // namespace au
