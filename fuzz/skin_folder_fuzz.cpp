// A whole skin folder from one input, loaded through the skin manager as the
// program loads a folder from disk. The input is split at separator lines:
// the first part is the folder's "Options.dat", part k (from 1) answers to any
// file name "Fk.<extension>", so the options file names it "F1.BMP" or
// "F2.JPG". The manager shows a small internal skin first; whatever the folder
// holds, the change either succeeds or leaves that skin exactly as it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/claimed_pixels.h"
#include "pixels/bmp_file.h"
#include "skin/ansi_text.h"
#include "skin/skin_manager.h"
#include "skin/skin_pictures.h"

namespace {

using namespace au;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr std::string_view kSeparator = "\n====\n";
constexpr std::string_view kSkinsFolder = "C:\\Skins";
constexpr char kFolderSkin[] = "Test";
constexpr char kInternalSkin[] = "Tiny";

// Pictures beyond this are left to the decoders' own targets and tests.
constexpr std::int64_t kMostPixels = std::int64_t{1} << 18;

bool ClaimsLargePicture(std::string_view file) {
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  return fuzz::ClaimedBmpPixels(bytes) > kMostPixels ||
         fuzz::ClaimedJpegPixels(bytes) > kMostPixels;
}

// The skins folder with one skin folder, held in memory.
class MemoryFolder final : public SkinFileSource {
 public:
  explicit MemoryFolder(std::string_view input) {
    while (true) {
      const std::size_t end = input.find(kSeparator);
      parts_.push_back(input.substr(0, end));
      if (end == std::string_view::npos) break;
      input.remove_prefix(end + kSeparator.size());
    }
  }

  bool FileExists(const std::string& path) const override { return Find(path).has_value(); }
  bool FolderExists(const std::string& path) const override { return InSkinsFolder(path); }
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) const override {
    const std::optional<std::string_view> part = Find(path);
    if (!part || (part->data() != parts_[0].data() && ClaimsLargePicture(*part)))
      return std::nullopt;
    return std::vector<std::uint8_t>(part->begin(), part->end());
  }
  std::vector<std::string> ListSubFolders(const std::string& path) const override {
    if (!InSkinsFolder(path)) return {};
    return {kFolderSkin};
  }

 private:
  static bool InSkinsFolder(const std::string& path) {
    return path.size() >= kSkinsFolder.size() &&
           SameText(path.substr(0, kSkinsFolder.size()), kSkinsFolder);
  }

  // Files of the one skin folder: its options file, and Fk.* for part k.
  std::optional<std::string_view> Find(const std::string& path) const {
    if (!InSkinsFolder(path)) return std::nullopt;
    std::string_view rest = std::string_view(path).substr(kSkinsFolder.size());
    while (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) rest.remove_prefix(1);
    const std::string_view skin = kFolderSkin;
    if (rest.size() <= skin.size() || !SameText(rest.substr(0, skin.size()), skin) ||
        (rest[skin.size()] != '\\' && rest[skin.size()] != '/'))
      return std::nullopt;
    const std::string_view name = rest.substr(rest.find_last_of("\\/") + 1);
    if (SameText(name, "Options.dat")) return parts_[0];
    if (name.size() < 2 || UpperChar(name[0]) != 'F') return std::nullopt;
    const std::size_t dot = name.find('.');
    std::size_t index = 0;
    for (const char c : name.substr(1, dot == std::string_view::npos ? name.npos : dot - 1)) {
      if (c < '0' || c > '9' || index > parts_.size()) return std::nullopt;
      index = index * 10 + std::size_t(c - '0');
    }
    if (index == 0 || index >= parts_.size()) return std::nullopt;
    return parts_[index];
  }

  std::vector<std::string_view> parts_;
};

// A skin to fall back on: two sections and one mask over a small master bitmap.
const TsStoredSkins& InternalSkins() {
  static const TsStoredSkins skins = [] {
    TsStoredSkin skin;
    skin.Name = kInternalSkin;
    for (const char* name : {"GLOBALINFO", "PANEL"}) {
      TsSkinGeneral& section = skin.GeneralData.emplace_back();
      section.SectionName = name;
      section.Color = 0x405060;
      section.FontColor = section.HotFontColor = "0 -1 -1 -1 -1";
    }
    TsSkinImage& image = skin.Images.emplace_back();
    image.SectionName = "PANEL";
    image.PropertyName = "BORDERSMASK";
    image.Right = 12;
    image.Bottom = 8;
    Bitmap24 master(12, 8);
    master.Fill(0x808080);
    skin.MasterBitmap = EncodeBmp24(master);
    return TsStoredSkins{skin};
  }();
  return skins;
}

// Enough of the records to see whether they stayed as they were.
std::string Summary(const TsSkinManager& manager) {
  const SkinRecords& r = manager.Records();
  std::string summary = manager.SkinName() + " " + r.SkinData.SkinPath + " " +
                        std::to_string(r.Masks.size()) + " " + std::to_string(r.Patterns.size()) +
                        " " + std::to_string(r.MasterBitmap.Width());
  for (const TsGeneralData& section : r.Sections) summary += " " + section.SectionName;
  return summary;
}

// Whatever the folder gave must be safe to look up and measure.
void Walk(const SkinRecords& records) {
  for (int i = 0; i < static_cast<int>(records.Masks.size()); ++i) {
    const TsMaskData& mask = records.Masks[static_cast<std::size_t>(i)];
    if (mask.Image) Check(!mask.Image->Empty());
    records.BorderLeft(i);
    records.BorderTop(i);
    records.BorderRight(i);
    records.BorderBottom(i);
    records.StateImageSize(i);
  }
  for (const TsPatternData& pattern : records.Patterns)
    Check(static_cast<long long>(pattern.Image.Width()) * pattern.Image.Height() >=
          kMinPatternPixels);
  for (int i = 0; i < static_cast<int>(records.Sections.size()); ++i) {
    const TsGeneralData& section = records.Sections[static_cast<std::size_t>(i)];
    Check(records.SectionIndex(section.SectionName) <= i);
    records.MaskIndex(i, section.SectionName, "BORDERSMASK");
    records.TextureMaskIndex(i, section.SectionName, "PATTERN");
    records.PatternIndex(i, section.SectionName, "HOTPATTERN");
    for (const TsGradientStep& step : section.GradientArray) Check(step.Percent <= 100);
  }
  records.GlobalColor();
  records.GlobalFontColor();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MemoryFolder folder(std::string_view(reinterpret_cast<const char*>(data), size));
  TsSkinManager manager(nullptr);
  manager.SetSkinFiles(&folder);
  manager.SetSkinDirectory(std::string(kSkinsFolder));
  manager.SetInternalSkins(InternalSkins());
  // Half the inputs are recoloured, so the colour changes meet every picture too.
  if (size % 2 == 1) manager.SetHueOffset(40);
  manager.SetSkinName(kInternalSkin);
  Check(manager.SkinData().SkinActive);
  const std::string before = Summary(manager);

  try {
    manager.SetSkinName(kFolderSkin);
    Check(manager.SkinName() == kFolderSkin);
    Check(!manager.SkinData().SkinPath.empty());
  } catch (const SkinLoadError& error) {
    Check(!error.Issue().Reason.empty());
    Check(Summary(manager) == before);
  }
  Check(manager.SkinData().SkinActive);
  Walk(manager.Records());

  std::vector<std::string> names;
  manager.ListSkinNames(names);
  Check(names == (std::vector<std::string>{kFolderSkin, kInternalSkin}));
  return 0;
}
