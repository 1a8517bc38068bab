// Picture files of skin folders, decoded to 24-bit bitmaps. A picture that
// cannot be had is reported skipped, with the reason, at the entry that named it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "pixels/bitmap24.h"
#include "skin/ini_file.h"
#include "skin/mask_source.h"

namespace au {

// The picture in the skin file `fileName`, resolved against the skin's folder.
std::optional<Bitmap24> LoadBmpPicture(const MaskSource& source, const EntryPlace& place,
                                       std::string_view fileName);
std::optional<Bitmap24> LoadJpegPicture(const MaskSource& source, const EntryPlace& place,
                                        std::string_view fileName);

// Whether an upper-cased value names a JPEG file.
bool NamesJpegFile(std::string_view upperValue);

// The picture that an options-file value names in the skin's folder: a value
// holding ".BMP" (".JPG" or ".JPEG") in any case. A value that names no such
// file gives nothing and is no issue, except one that names a picture of a
// kind skins cannot hold (".PNG", ".GIF", ...), which is reported.
std::optional<Bitmap24> LoadNamedBmp(const MaskSource& source, const EntryPlace& place,
                                     std::string_view value);
std::optional<Bitmap24> LoadNamedJpeg(const MaskSource& source, const EntryPlace& place,
                                      std::string_view value);

// Hands every JPEG picture that an entry of `options` names to `take`, in
// file order, with the entry's section and key.
using TakeJpegEntry = std::function<void(const IniFile::Section&, const IniFile::Entry&, Bitmap24)>;
void ForEachJpegEntry(const IniFile& options, const MaskSource& source, const TakeJpegEntry& take);

// Patterns smaller than this many pixels are kept as texture masks instead.
inline constexpr long long kMinPatternPixels = 90000;

}  // namespace au
