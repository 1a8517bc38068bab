// Common sections: extra sections and images, in options-file form, that an
// application adds on top of every skin it loads. The lines come with their
// blanks already removed.
#pragma once

#include <span>
#include <string>

#include "skin/mask_entry.h"
#include "skin/skin_records.h"

namespace au {

// Throws SkinLoadError for a malformed number in a "#" entry.
void LoadCommonMasks(std::span<const std::string> lines, SkinRecords& records,
                     const MaskSource& source);
// Every JPEG named becomes a pattern, whatever its size.
void LoadCommonPatterns(std::span<const std::string> lines, SkinRecords& records,
                        const MaskSource& source);
// Appends one section per block. A section inherits from the first section
// already loaded whose upper-cased name equals its upper-cased PARENTCLASS.
void LoadCommonSections(std::span<const std::string> lines, SkinRecords& records);

}  // namespace au
