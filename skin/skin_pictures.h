// Picture files of skin folders, decoded to 24-bit bitmaps.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "pixels/bitmap24.h"
#include "skin/ini_file.h"

namespace au {

// Nothing when the file is missing or unreadable, or the picture is empty.
std::optional<Bitmap24> LoadBmpPicture(const std::string& path);
std::optional<Bitmap24> LoadJpegPicture(const std::string& path);

// Whether an upper-cased value names a JPEG file.
bool NamesJpegFile(std::string_view upperValue);

// The picture that an options-file value names in the skin's folder: a value
// holding ".BMP" (".JPG" or ".JPEG") in any case. Nothing when it names no
// such file, or the file cannot be read or decoded.
std::optional<Bitmap24> LoadNamedBmp(std::string_view skinPath, std::string_view value);
std::optional<Bitmap24> LoadNamedJpeg(std::string_view skinPath, std::string_view value);

// Hands every JPEG picture that an entry of `options` names to `take`, in
// file order, with the entry's section and key.
using TakeJpegEntry = std::function<void(const IniFile::Section&, const IniFile::Entry&, Bitmap24)>;
void ForEachJpegEntry(const IniFile& options, std::string_view skinPath, const TakeJpegEntry& take);

// Patterns smaller than this many pixels are kept as texture masks instead.
inline constexpr long long kMinPatternPixels = 90000;

}  // namespace au
