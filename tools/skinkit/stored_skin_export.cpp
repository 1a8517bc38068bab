#include "tools/skinkit/stored_skin_export.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>

#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/internal_skin_loader.h"
#include "skin/skin_pictures.h"
#include "tools/skinkit/image_entry_text.h"
#include "tools/skinkit/mask_entries.h"
#include "tools/skinkit/section_keys.h"

namespace au::kit {
namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";

// Fills a folder, keeping count of where in the file each mask and pattern
// lands: the loader lists them in file order, section by section.
class FolderBuilder {
 public:
  FolderBuilder(const TsStoredSkin& skin, const SkinRecords& records, ExportedSkin& out)
      : skin_(skin), records_(records), out_(out), options_(out.Folder.Options) {}

  void Build() {
    AddSectionKeys(records_.Sections, options_, out_.Losses);
    AddGlobalInformation();
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < records_.Masks.size(); ++i) places.push_back(AddMask(i));
    CheckFileOrder(places, RecordKind::Mask);
    places.clear();
    for (std::size_t i = 0; i < records_.Patterns.size(); ++i) places.push_back(AddPattern(i));
    CheckFileOrder(places, RecordKind::Pattern);
  }

 private:
  // The position of the options-file section of that name, added at the end
  // when there is none; the loader then reads one more section record.
  std::size_t SectionPlace(const std::string& name, RecordKind kind, std::size_t index) {
    if (const std::optional<std::size_t> place = options_.IndexOf(name)) return *place;
    out_.Losses.push_back({kind, static_cast<int>(index), "SectionName",
                           "no section of that name: the one added for it is read as a section "
                           "record too"});
    options_.AddSection(name);
    return options_.Sections().size() - 1;
  }

  void AddGlobalInformation() {
    const TsSkinData& data = records_.SkinData;
    OptionsText::Section& global =
        options_.At(SectionPlace(kGlobalInfo, RecordKind::Section, records_.Sections.size()));
    char version[64];
    const auto written = std::to_chars(version, version + sizeof(version), data.Version);
    global.Add("VERSION", std::string(version, written.ptr));
    AddGlobalText(global, "AUTHOR", "Author", data.Author);
    AddGlobalText(global, "DESCRIPTION", "Description", data.Description);
    global.Add("SHADOW1COLOR", std::to_string(data.Shadow1Color));
    global.Add("SHADOW1OFFSET", std::to_string(data.Shadow1Offset));
    global.Add("SHADOW1BLUR", std::to_string(data.Shadow1Blur));
    global.Add("SHADOW1TRANSPARENCY", std::to_string(data.Shadow1Transparency));
    if (!records_.MasterBitmap.Empty())
      global.Add("MASTERBITMAP",
                 out_.Folder.AddPicture("MASTER.BMP", EncodeBmp24(records_.MasterBitmap)));
  }

  void AddGlobalText(OptionsText::Section& global, const char* key, const char* field,
                     const std::string& text) {
    if (TrimBlanks(text) != text || text.find_first_of("\r\n") != std::string::npos ||
        ReadsAsPicture(text)) {
      out_.Losses.push_back({RecordKind::Global, 0, field,
                             "the text would not read back as itself (surrounding blanks, line "
                             "breaks, or the look of a picture)"});
      return;
    }
    global.Add(key, text);
  }

  std::size_t AddMask(std::size_t i) {
    const TsMaskData& mask = records_.Masks[i];
    const std::size_t place = SectionPlace(mask.SectionName, RecordKind::Mask, i);
    OptionsText::Section& section = options_.At(place);
    std::string pictureName;
    if (mask.Image) {
      pictureName = out_.Folder.AddPicture(
          FreeName(skin_.Images[i].Name, ".BMP", mask.SectionName + "_" + mask.PropertyName),
          EncodeBmp24(*mask.Image));
    }
    section.Add(mask.PropertyName,
                MaskEntryValue(mask, static_cast<int>(i), section.Name, pictureName, out_.Losses));
    return place;
  }

  std::size_t AddPattern(std::size_t i) {
    const TsPatternData& pattern = records_.Patterns[i];
    const TsSkinPattern& item = skin_.Patterns[i];
    const TsPictureFile& file = StoredPatternFile(skin_, item);
    if (pattern.Image.Empty()) {
      out_.Losses.push_back({RecordKind::Pattern, static_cast<int>(i), "Image",
                             "an empty or unreadable picture is passed over in a folder"});
    } else if (static_cast<long long>(pattern.Image.Width()) * pattern.Image.Height() <
               kMinPatternPixels) {
      out_.Losses.push_back({RecordKind::Pattern, static_cast<int>(i), "Image",
                             "a picture of fewer than 90000 pixels is read as a texture mask"});
    }
    const std::size_t place = SectionPlace(pattern.SectionName, RecordKind::Pattern, i);
    options_.At(place).Add(pattern.PropertyName, PatternPicture(item.Name, file, i));
    return place;
  }

  // One file per distinct picture: patterns that share a stored file share it.
  std::string PatternPicture(const std::string& storedName, const TsPictureFile& file,
                             std::size_t i) {
    for (const SkinPicture& picture : out_.Folder.Pictures)
      if (picture.Bytes == file && NamesJpegFile(UpperCase(picture.FileName)))
        return picture.FileName;
    return out_.Folder.AddPicture(FreeName(storedName, ".JPG", "PATTERN" + std::to_string(i)),
                                  file);
  }

  // The stored file name when it is a plain name with the right extension and
  // still free, else one made from `fallback`; upper case either way.
  std::string FreeName(const std::string& stored, const char* extension,
                       const std::string& fallback) const {
    const std::string upper = UpperCase(stored);
    const bool plain =
        upper.find_first_of("\\/:!#") == std::string::npos && TrimBlanks(upper) == upper &&
        (extension == std::string(".BMP") ? Contains(upper, ".BMP") : NamesJpegFile(upper));
    std::string base;
    for (const char c : UpperCase(fallback))
      base += (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : '_';
    std::string name = plain ? upper : base + extension;
    for (int n = 2; Taken(name); ++n) name = base + "_" + std::to_string(n) + extension;
    return name;
  }

  bool Taken(const std::string& name) const {
    for (const SkinPicture& picture : out_.Folder.Pictures)
      if (SameText(picture.FileName, name)) return true;
    return false;
  }

  // Records that the file would list before an earlier one come out of order.
  void CheckFileOrder(const std::vector<std::size_t>& places, RecordKind kind) {
    std::size_t furthest = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
      if (places[i] < furthest) {
        out_.Losses.push_back({kind, static_cast<int>(i), "order",
                               "its section comes earlier in the file than that of a record "
                               "before it, so the loader reads it sooner"});
      }
      furthest = std::max(furthest, places[i]);
    }
  }

  const TsStoredSkin& skin_;
  const SkinRecords& records_;
  ExportedSkin& out_;
  OptionsText& options_;
};

}  // namespace

ExportedSkin ExportStoredSkin(const TsStoredSkin& skin) {
  SkinRecords records;
  LoadInternalMasks(skin, records, nullptr);
  LoadInternalPatterns(skin, records);
  LoadInternalSections(skin, records);
  ExportedSkin out;
  FolderBuilder(skin, records, out).Build();
  return out;
}

}  // namespace au::kit
