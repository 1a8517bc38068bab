#include "skin/folder_skin_loader.h"

#include <string>

#include "skin/ansi_text.h"
#include "skin/number_text.h"
#include "skin/section_reader.h"
#include "skin/skin_pictures.h"

namespace au {
namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";
constexpr const char* kMasterBitmapKey = "MASTERBITMAP";

// An options-file section with its ancestors: a key that the section does not
// give is looked up in its PARENTCLASS, then in that section's parent, and so
// on. A chain longer than the file has sections has come round in a circle.
// A number that the section gives but that is no number is reported; the
// key then counts as not given.
class OptionsSectionValues final : public SectionValues {
 public:
  OptionsSectionValues(const IniFile& options, std::string_view section, const MaskSource& source)
      : options_(options), section_(section), source_(source) {}

  std::optional<std::int32_t> Integer(std::string_view key) const override {
    CheckOwnNumber(key);
    return Climb<std::int32_t>([&](std::string_view name) -> std::optional<std::int32_t> {
      const std::int32_t value = options_.ReadInteger(name, key, -1);
      if (value == -1) return std::nullopt;
      return value;
    });
  }

  std::optional<std::string> Text(std::string_view key) const override {
    return Climb<std::string>([&](std::string_view name) -> std::optional<std::string> {
      const std::string* value = options_.FindValue(name, key);
      if (value == nullptr || *value == "?") return std::nullopt;
      return *value;
    });
  }

  std::int32_t OwnInteger(std::string_view key, std::int32_t fallback) const override {
    CheckOwnNumber(key);
    return options_.ReadInteger(section_, key, fallback);
  }

 private:
  void CheckOwnNumber(std::string_view key) const {
    const IniFile::Entry* entry = options_.FindEntry(section_, key);
    if (entry != nullptr && !entry->Value.empty() && !ParseInteger(entry->Value))
      source_.Skip({section_, entry->Key}, {}, "malformed number ('" + entry->Value + "')");
  }

  template <typename T, typename Read>
  std::optional<T> Climb(Read read) const {
    std::string name(section_);
    for (std::size_t step = 0; step <= options_.Sections().size(); ++step) {
      if (std::optional<T> value = read(name)) return value;
      std::string parent = options_.ReadString(name, "PARENTCLASS", "");
      if (parent.empty() || parent == "?" || SameText(parent, name)) return std::nullopt;
      name = std::move(parent);
    }
    return std::nullopt;
  }

  const IniFile& options_;
  std::string_view section_;
  const MaskSource& source_;
};

std::int32_t ShadowSetting(const IniFile& options, const MaskSource& source, const char* key,
                           const char* fallback) {
  return ReadOrFail(source.EntryFile, kGlobalInfo, key,
                    [&] { return StrToInt(options.ReadString(kGlobalInfo, key, fallback)); });
}

}  // namespace

void LoadFolderMasks(const IniFile& options, SkinRecords& records, const MaskSource& source) {
  const std::string masterName = options.ReadString(kGlobalInfo, kMasterBitmapKey, "");
  if (!masterName.empty()) {
    if (std::optional<Bitmap24> master =
            LoadBmpPicture(source, {kGlobalInfo, kMasterBitmapKey}, masterName)) {
      master->SetTransparent(clMagenta);
      records.MasterBitmap = std::move(*master);
    }
  }
  for (const IniFile::Section& section : options.Sections()) {
    const bool isGlobalInfo = SameText(section.Name, kGlobalInfo);
    for (const IniFile::Entry& entry : section.Entries) {
      if (isGlobalInfo && SameText(entry.Key, kMasterBitmapKey)) continue;
      std::optional<TsMaskData> mask = ReadOrFail(source.EntryFile, section.Name, entry.Key, [&] {
        return ReadImageEntry(section.Name, entry.Key, entry.Value, source);
      });
      if (mask) records.Masks.push_back(std::move(*mask));
    }
  }
}

void LoadFolderPatterns(const IniFile& options, SkinRecords& records, const MaskSource& source) {
  ForEachJpegEntry(
      options, source,
      [&](const IniFile::Section& section, const IniFile::Entry& entry, Bitmap24 picture) {
        const long long pixels = static_cast<long long>(picture.Width()) * picture.Height();
        if (pixels >= kMinPatternPixels) {
          records.Patterns.push_back(
              {std::move(picture), UpperCase(section.Name), UpperCase(entry.Key)});
          return;
        }
        TsMaskData& mask = records.Masks.emplace_back();
        mask.Image = std::move(picture);
        mask.SectionName = UpperCase(section.Name);
        mask.PropertyName = UpperCase(entry.Key);
        mask.ImageCount = 1;
        mask.ImgType = itisaTexture;
        mask.Manager = source.Manager;
      });
}

void LoadFolderSections(const IniFile& options, SkinRecords& records, const MaskSource& source) {
  records.Sections.clear();
  for (const std::string& line : options.LinesBeforeSections())
    source.Skip({}, {}, "line before the first section ('" + line + "')");

  TsSkinData& data = records.SkinData;
  data.Version = options.ReadFloat(kGlobalInfo, "VERSION", 0);
  data.Author = options.ReadString(kGlobalInfo, "AUTHOR", "");
  data.Description = options.ReadString(kGlobalInfo, "DESCRIPTION", "");
  data.Shadow1Color = ShadowSetting(options, source, "SHADOW1COLOR", "0");
  data.Shadow1Offset = ShadowSetting(options, source, "SHADOW1OFFSET", "0");
  data.Shadow1Blur = ShadowSetting(options, source, "SHADOW1BLUR", "-1");
  data.Shadow1Transparency = ShadowSetting(options, source, "SHADOW1TRANSPARENCY", "0");

  const TsGeneralData defaults;
  for (const IniFile::Section& section : options.Sections()) {
    TsGeneralData record =
        ReadSectionFields(OptionsSectionValues(options, section.Name, source), defaults, true);
    record.SectionName = section.Name;
    record.ParentClass = options.ReadString(section.Name, "PARENTCLASS", "");
    records.Sections.push_back(std::move(record));
  }
}

}  // namespace au
