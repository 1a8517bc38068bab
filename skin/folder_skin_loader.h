// Loading the records from a skin folder's options file.
#pragma once

#include "skin/ini_file.h"
#include "skin/mask_entry.h"
#include "skin/skin_records.h"

namespace au {

// The master bitmap, then one mask per image entry in file order. Throws
// SkinLoadError for a malformed number in an image entry.
void LoadFolderMasks(const IniFile& options, SkinRecords& records, const MaskSource& source);

// JPEG entries: large pictures become patterns, small ones texture masks.
void LoadFolderPatterns(const IniFile& options, SkinRecords& records, const MaskSource& source);

// Global information from GLOBALINFO, then one section per options-file
// section, each inheriting what it does not state along its PARENTCLASS chain.
// Keys whose number is malformed, and lines outside any section, are
// reported skipped. Throws SkinLoadError for a malformed window shadow setting.
void LoadFolderSections(const IniFile& options, SkinRecords& records, const MaskSource& source);

}  // namespace au
