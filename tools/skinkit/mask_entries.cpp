#include "tools/skinkit/mask_entries.h"

#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>

#include "skin/mask_entry.h"
#include "tools/skinkit/image_entry_text.h"

namespace au::kit {
namespace {

struct FieldDifference {
  const char* Field;
  bool Essential;  // a different kind, place or count of image, not just another width
};

std::vector<FieldDifference> Differences(const TsMaskData& want, const TsMaskData& read) {
  std::vector<FieldDifference> found;
  const auto check = [&](bool same, const char* field, bool essential) {
    if (!same) found.push_back({field, essential});
  };
  const TRect& a = want.Rect;
  const TRect& b = read.Rect;
  check(want.SectionName == read.SectionName, "SectionName", true);
  check(want.PropertyName == read.PropertyName, "PropertyName", true);
  check(a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom, "Rect",
        true);
  check(want.ImageCount == read.ImageCount, "ImageCount", true);
  check(want.MaskType == read.MaskType, "MaskType", true);
  check(want.ImgType == read.ImgType, "ImgType", true);
  check(want.BorderWidth == read.BorderWidth, "BorderWidth", false);
  check(want.StretchMode == read.StretchMode, "StretchMode", false);
  check(want.WL == read.WL, "WL", false);
  check(want.WT == read.WT, "WT", false);
  check(want.WR == read.WR, "WR", false);
  check(want.WB == read.WB, "WB", false);
  return found;
}

int Cost(const std::vector<FieldDifference>& differences) {
  int cost = 0;
  for (const FieldDifference& d : differences) cost += d.Essential ? 100 : 1;
  return cost;
}

// What the loader makes of a picture of its own in the "!" form with widths.
TsMaskData ReadAsOwnPicture(const TsMaskData& mask) {
  TsMaskData read;
  read.SectionName = mask.SectionName;
  read.PropertyName = mask.PropertyName;
  read.Rect = {0, 0, mask.Image->Width(), mask.Image->Height()};
  read.ImageCount = mask.ImageCount;
  read.MaskType = mask.MaskType;
  read.ImgType = mask.ImgType;
  read.WL = mask.WL;
  read.WT = mask.WT;
  read.WR = mask.WR;
  read.WB = mask.WB;
  return read;
}

void AddLosses(const std::vector<FieldDifference>& differences, int index, const char* form,
               std::vector<RoundTripLoss>& losses) {
  for (const FieldDifference& d : differences) {
    losses.push_back({RecordKind::Mask, index, d.Field,
                      std::string("no image entry carries it; written in the ") + form +
                          " form, which reads it otherwise"});
  }
}

}  // namespace

std::string MaskEntryValue(const TsMaskData& mask, int index, const std::string& sectionName,
                           const std::string& pictureName, std::vector<RoundTripLoss>& losses) {
  if (mask.Image) {
    AddLosses(Differences(mask, ReadAsOwnPicture(mask)), index, "\"!\"", losses);
    return OwnPictureEntry(pictureName, mask.ImageCount, mask.MaskType, mask.ImgType,
                           BorderWidths{mask.WL, mask.WT, mask.WR, mask.WB});
  }
  const TRect& r = mask.Rect;
  const BorderWidths widths{mask.WL, mask.WT, mask.WR, mask.WB};
  const std::pair<const char*, std::function<std::string()>> forms[] = {
      {"\"^\"",
       [&] {
         return BorderEntry(r, widths, mask.ImageCount, mask.MaskType, mask.StretchMode,
                            mask.BorderWidth);
       }},
      {"\"@\"", [&] { return GlyphEntry(r, mask.ImageCount, mask.MaskType); }},
      {"\"~\"", [&] { return TextureEntry(r, mask.StretchMode, mask.MaskType); }},
      {"\"#\"",
       [&] {
         return RectangleEntry(r, mask.ImageCount, mask.MaskType, mask.BorderWidth,
                               mask.StretchMode);
       }},
      {"\"#\"", [&] { return RectangleEntry(r, mask.ImageCount, mask.MaskType); }},
  };
  std::optional<std::string> best;
  std::vector<FieldDifference> bestDifferences;
  const char* bestForm = "";
  int bestCost = std::numeric_limits<int>::max();
  for (const auto& [form, format] : forms) {
    std::string value;
    try {
      value = format();
    } catch (const std::invalid_argument&) {
      continue;  // a number does not fit this form
    }
    const std::optional<TsMaskData> read =
        ReadImageEntry(sectionName, mask.PropertyName, value, MaskSource{"", mask.Manager});
    if (!read) continue;
    std::vector<FieldDifference> differences = Differences(mask, *read);
    if (Cost(differences) < bestCost) {
      bestCost = Cost(differences);
      best = std::move(value);
      bestDifferences = std::move(differences);
      bestForm = form;
    }
    if (bestCost == 0) break;
  }
  if (!best) throw std::invalid_argument("no image entry can hold mask " + std::to_string(index));
  AddLosses(bestDifferences, index, bestForm, losses);
  return *best;
}

}  // namespace au::kit
