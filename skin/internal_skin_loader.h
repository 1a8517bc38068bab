// Loading the records from a skin stored inside the program. Every picture is
// decoded afresh, so the stored skin never changes.
#pragma once

#include "skin/skin_records.h"
#include "skin/stored_skin.h"

namespace au {

void LoadInternalMasks(const TsStoredSkin& skin, SkinRecords& records, TsSkinManager* manager);
void LoadInternalPatterns(const TsStoredSkin& skin, SkinRecords& records);
void LoadInternalSections(const TsStoredSkin& skin, SkinRecords& records);

// Five integers separated by blanks; anything else, including a word that is
// no number, gives the defaults (black text, no contours).
TsFontColors ParseFontColors(std::string_view text);

}  // namespace au
