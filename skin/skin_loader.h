// Loading a skin into a manager's records: from a skin folder when one of the
// skin's name exists under the skins folder, else from the internal skins;
// then the common sections on top, then the hue and saturation changes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/skin_files.h"
#include "skin/skin_load_report.h"
#include "skin/skin_records.h"
#include "skin/stored_skin.h"

namespace au {

// What the load needs of its manager's settings; the views must stay valid
// for the call.
struct SkinLoadSettings {
  std::string_view ApplicationFolder;  // the running program's folder, ending in "\"
  std::string_view SkinDirectory;      // may be relative to ApplicationFolder
  std::span<const TsStoredSkin> InternalSkins;
  std::span<const std::string> CommonSections;  // options-file lines without blanks
  std::int32_t HueOffset = 0;
  std::int32_t Saturation = 0;
  TsSkinManager* Manager = nullptr;       // recorded in every mask
  const SkinFileSource* Files = nullptr;  // null: the disk
  SkinLoadReport* Report = nullptr;       // receives what the load skipped, when given
  bool FolderSkins = true;                // false: skin folders are not looked at
};

enum class SkinLoadResult {
  Loaded,
  // No skin folder of that name and no internal skin at all: the records are
  // untouched and the manager should become inactive.
  NoSkinAvailable,
};

// Replaces the records with skin `skinName`. A name that matches neither a
// skin folder nor an internal skin selects the first internal skin, and
// `skinName` becomes that skin's name. Throws SkinLoadError for a malformed
// number in an image entry or a window shadow setting, leaving the records
// part-filled: load into fresh records and keep them only on success.
SkinLoadResult LoadSkinData(SkinRecords& records, std::string& skinName,
                            const SkinLoadSettings& settings);

}  // namespace au
