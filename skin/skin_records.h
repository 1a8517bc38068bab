// The runtime records of one skin, owned by one skin manager, with the lookups
// by which controls and painters find sections, masks and patterns. Lookups
// never fail loudly: anything not found, and any invalid argument, gives -1.
// Names are compared exactly, byte by byte.
#pragma once

#include <cstdint>
#include <string_view>

#include "pixels/bitmap24.h"
#include "skin/common_indexes.h"
#include "skin/general_data.h"
#include "skin/mask_data.h"
#include "skin/mask_geometry.h"
#include "skin/pattern_data.h"
#include "skin/skin_data.h"

namespace au {

struct SkinRecords {
  TsGeneralDataArray Sections;  // in load order
  TsMaskArray Masks;            // in load order
  TsPatternArray Patterns;
  Bitmap24 MasterBitmap;  // transparent with magenta; empty when the skin has none
  TsSkinData SkinData;
  CommonIndexes Indexes;

  // The first section of that name (an empty name finds a nameless section).
  int SectionIndex(std::string_view name) const noexcept;

  // The first mask of the section with that property. When the section has
  // none, its ParentClass is searched, then that section's parent, and so on.
  // A section that names itself as parent ends the search; any other loop is
  // cut after as many steps as there are sections, with -1.
  int MaskIndex(int sectionIndex, std::string_view sectionName,
                std::string_view propertyName) const noexcept;
  // As MaskIndex, but only textures count.
  int TextureMaskIndex(int sectionIndex, std::string_view sectionName,
                       std::string_view propertyName) const noexcept;
  // As MaskIndex, over the pattern records.
  int PatternIndex(int sectionIndex, std::string_view sectionName,
                   std::string_view propertyName) const noexcept;
  // The first mask with both names, without looking at parents.
  int MaskIndexByNames(std::string_view sectionName, std::string_view propertyName) const noexcept;

  // Effective border widths: the side's own width when positive, else the
  // uniform BorderWidth when positive, else a third of one state image. An
  // invalid index, or a mask whose counts give no state image, yields 0.
  std::int32_t BorderLeft(int maskIndex) const noexcept;
  std::int32_t BorderTop(int maskIndex) const noexcept;
  std::int32_t BorderRight(int maskIndex) const noexcept;
  std::int32_t BorderBottom(int maskIndex) const noexcept;

  // One state image. A mask with a picture of its own is taken as three
  // images wide and two rows high whatever its counts say. 0 x 0 for an
  // invalid index.
  ImageSize StateImageSize(int maskIndex) const noexcept;

  bool IsValidMaskIndex(int index) const noexcept;
  bool IsValidSectionIndex(int index) const noexcept;

  // The resolved background and text colours of GLOBALINFO; the button face
  // and magenta while the cached GLOBALINFO index points at no section.
  TColor GlobalColor() const;
  TColor GlobalFontColor() const;

  // Works out Indexes from the current arrays.
  void RecomputeCommonIndexes();

  // Empty the arrays and free every picture (and the master bitmap with the masks).
  void ClearMasks();
  void ClearPatterns();
  void Clear();

 private:
  template <typename Match>
  int SearchWithParents(int sectionIndex, std::string_view sectionName, Match match) const;
};

}  // namespace au
