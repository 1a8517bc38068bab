// Loading the records from a skin stored inside the program. Every picture is
// decoded afresh, so the stored skin never changes.
#pragma once

#include "skin/skin_records.h"
#include "skin/stored_skin.h"

namespace au {

void LoadInternalMasks(const TsStoredSkin& skin, SkinRecords& records, TsSkinManager* manager);
void LoadInternalPatterns(const TsStoredSkin& skin, SkinRecords& records);
void LoadInternalSections(const TsStoredSkin& skin, SkinRecords& records);

// The JPEG file of a stored pattern: several pattern items may share one
// file, and only the first of them stores it.
const TsPictureFile& StoredPatternFile(const TsStoredSkin& skin, const TsSkinPattern& item);

// Five integers separated by blanks; anything else, including a word that is
// no number, gives the defaults (black text, no contours).
TsFontColors ParseFontColors(std::string_view text);

}  // namespace au
