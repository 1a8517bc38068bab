#include "skin/skin_records.h"

#include <cstddef>

#include "skin/mask_geometry.h"

namespace au {
namespace {

std::int32_t EffectiveWidth(std::int16_t side, std::int16_t uniform, std::int32_t fallback) {
  if (side > 0) return side;
  if (uniform > 0) return uniform;
  return fallback;
}

}  // namespace

int SkinRecords::SectionIndex(std::string_view name) const noexcept {
  for (std::size_t i = 0; i < Sections.size(); ++i)
    if (Sections[i].SectionName == name) return static_cast<int>(i);
  return -1;
}

template <typename Match>
int SkinRecords::SearchWithParents(int sectionIndex, std::string_view sectionName,
                                   Match match) const {
  if (sectionIndex < 0 || sectionName.empty()) return -1;
  // Every step moves to another section, so a chain longer than the section
  // array has come round in a circle.
  for (std::size_t step = 0; step <= Sections.size(); ++step) {
    if (const int found = match(sectionName); found >= 0) return found;
    if (static_cast<std::size_t>(sectionIndex) >= Sections.size()) return -1;
    const std::string& parent = Sections[static_cast<std::size_t>(sectionIndex)].ParentClass;
    if (parent.empty() || parent == sectionName) return -1;
    sectionIndex = SectionIndex(parent);
    if (sectionIndex < 0) return -1;
    sectionName = parent;
  }
  return -1;
}

int SkinRecords::MaskIndex(int sectionIndex, std::string_view sectionName,
                           std::string_view propertyName) const noexcept {
  return SearchWithParents(sectionIndex, sectionName, [&](std::string_view section) {
    return MaskIndexByNames(section, propertyName);
  });
}

int SkinRecords::TextureMaskIndex(int sectionIndex, std::string_view sectionName,
                                  std::string_view propertyName) const noexcept {
  if (Masks.empty()) return -1;
  return SearchWithParents(sectionIndex, sectionName, [&](std::string_view section) {
    for (std::size_t i = 0; i < Masks.size(); ++i) {
      const TsMaskData& mask = Masks[i];
      if (mask.ImgType == itisaTexture && mask.SectionName == section &&
          mask.PropertyName == propertyName)
        return static_cast<int>(i);
    }
    return -1;
  });
}

int SkinRecords::PatternIndex(int sectionIndex, std::string_view sectionName,
                              std::string_view propertyName) const noexcept {
  if (Patterns.empty()) return -1;
  return SearchWithParents(sectionIndex, sectionName, [&](std::string_view section) {
    for (std::size_t i = 0; i < Patterns.size(); ++i)
      if (Patterns[i].PropertyName == propertyName && Patterns[i].SectionName == section)
        return static_cast<int>(i);
    return -1;
  });
}

int SkinRecords::MaskIndexByNames(std::string_view sectionName,
                                  std::string_view propertyName) const noexcept {
  if (sectionName.empty()) return -1;
  for (std::size_t i = 0; i < Masks.size(); ++i)
    if (Masks[i].SectionName == sectionName && Masks[i].PropertyName == propertyName)
      return static_cast<int>(i);
  return -1;
}

std::int32_t SkinRecords::BorderLeft(int maskIndex) const noexcept {
  if (!IsValidMaskIndex(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<std::size_t>(maskIndex)];
  return EffectiveWidth(mask.WL, mask.BorderWidth, DefaultBorderWidthX(mask));
}

std::int32_t SkinRecords::BorderRight(int maskIndex) const noexcept {
  if (!IsValidMaskIndex(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<std::size_t>(maskIndex)];
  return EffectiveWidth(mask.WR, mask.BorderWidth, DefaultBorderWidthX(mask));
}

std::int32_t SkinRecords::BorderTop(int maskIndex) const noexcept {
  if (!IsValidMaskIndex(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<std::size_t>(maskIndex)];
  return EffectiveWidth(mask.WT, mask.BorderWidth, DefaultBorderWidthY(mask));
}

std::int32_t SkinRecords::BorderBottom(int maskIndex) const noexcept {
  if (!IsValidMaskIndex(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<std::size_t>(maskIndex)];
  return EffectiveWidth(mask.WB, mask.BorderWidth, DefaultBorderWidthY(mask));
}

ImageSize SkinRecords::StateImageSize(int maskIndex) const noexcept {
  if (!IsValidMaskIndex(maskIndex)) return {};
  const TsMaskData& mask = Masks[static_cast<std::size_t>(maskIndex)];
  if (mask.Image) return {mask.Image->Width() / 3, mask.Image->Height() / 2};
  return {PerCount(ExtentX(mask.Rect), mask.ImageCount),
          PerCount(ExtentY(mask.Rect), mask.MaskType + 1)};
}

bool SkinRecords::IsValidMaskIndex(int index) const noexcept {
  return index >= 0 && static_cast<std::size_t>(index) < Masks.size();
}

bool SkinRecords::IsValidSectionIndex(int index) const noexcept {
  return index >= 0 && static_cast<std::size_t>(index) < Sections.size();
}

TColor SkinRecords::GlobalColor() const {
  if (!IsValidSectionIndex(Indexes.GlobalInfo)) return ResolveColor(clBtnFace);
  return ResolveColor(Sections[static_cast<std::size_t>(Indexes.GlobalInfo)].Color);
}

TColor SkinRecords::GlobalFontColor() const {
  if (!IsValidSectionIndex(Indexes.GlobalInfo)) return clMagenta;
  return ResolveColor(Sections[static_cast<std::size_t>(Indexes.GlobalInfo)].FontColor[0]);
}

void SkinRecords::ClearMasks() {
  Masks.clear();
  MasterBitmap = Bitmap24();
}

void SkinRecords::ClearPatterns() {
  Patterns.clear();
}

void SkinRecords::Clear() {
  ClearMasks();
  ClearPatterns();
  Sections.clear();
}

}  // namespace au
