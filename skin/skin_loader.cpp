#include "skin/skin_loader.h"

#include <optional>

#include "skin/common_sections_loader.h"
#include "skin/folder_skin_loader.h"
#include "skin/ini_file.h"
#include "skin/internal_skin_loader.h"
#include "skin/skin_color_transform.h"
#include "skin/skin_paths.h"

namespace au {
namespace {

constexpr char kCommonSectionsName[] = "common sections";

// The options file of the named skin folder, or nothing when there is none
// that can be read.
std::optional<IniFile> ReadOptionsFile(const SkinLoadSettings& settings,
                                       const std::string& skinFolder) {
  if (!settings.FolderSkins) return std::nullopt;
  const SkinFileSource& files = settings.Files != nullptr ? *settings.Files : DiskSkinFiles();
  const std::string path = skinFolder + kOptionsFileName;
  if (!files.FileExists(path)) return std::nullopt;
  const auto bytes = files.ReadFile(path);
  if (!bytes) {
    if (settings.Report != nullptr)
      settings.Report->Skipped.push_back({kOptionsFileName, {}, {}, "file could not be read"});
    return std::nullopt;
  }
  return IniFile(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

const TsStoredSkin* FindInternalSkin(std::span<const TsStoredSkin> skins, std::string_view name) {
  for (const TsStoredSkin& skin : skins)
    if (skin.Name == name) return &skin;
  return nullptr;
}

}  // namespace

SkinLoadResult LoadSkinData(SkinRecords& records, std::string& skinName,
                            const SkinLoadSettings& settings) {
  const std::string skinFolder = SkinFolderPath(
      ResolveSkinsFolder(settings.SkinDirectory, settings.ApplicationFolder), skinName);
  // Held only while the records are filled.
  const std::optional<IniFile> options = ReadOptionsFile(settings, skinFolder);
  const TsStoredSkin* stored = nullptr;
  if (!options) {
    stored = FindInternalSkin(settings.InternalSkins, skinName);
    if (stored == nullptr) {
      if (settings.InternalSkins.empty()) return SkinLoadResult::NoSkinAvailable;
      stored = &settings.InternalSkins.front();
      skinName = stored->Name;
    }
  }
  const std::string skinPath = options ? skinFolder : std::string();
  records.SkinData.SkinPath = skinPath;
  const MaskSource source{skinPath, settings.Manager, settings.Files, settings.Report};
  MaskSource common = source;
  common.EntryFile = kCommonSectionsName;

  records.ClearMasks();
  if (options) {
    LoadFolderMasks(*options, records, source);
  } else {
    LoadInternalMasks(*stored, records, settings.Manager);
  }
  LoadCommonMasks(settings.CommonSections, records, common);

  records.ClearPatterns();
  if (options) {
    LoadFolderPatterns(*options, records, source);
  } else {
    LoadInternalPatterns(*stored, records);
  }
  LoadCommonPatterns(settings.CommonSections, records, common);

  if (options) {
    LoadFolderSections(*options, records, source);
  } else {
    LoadInternalSections(*stored, records);
  }
  LoadCommonSections(settings.CommonSections, records);

  if (settings.HueOffset != 0) ApplyHueOffset(records, settings.HueOffset);
  if (settings.Saturation != 0) ApplySaturation(records, settings.Saturation);
  return SkinLoadResult::Loaded;
}

}  // namespace au
