// A skin manager loaded from a skin written by the test itself: sections with
// exactly the fields a case needs, and texture and border masks cut from a
// master bitmap whose every pixel tells where it came from.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pixels/bitmap24.h"
#include "skin/skin_manager.h"
#include "skin/stored_skin.h"
#include "tests/skin/skin_test_support.h"

namespace au::test {

class SectionSkin {
 public:
  SectionSkin(const Bitmap24& master, TsSkinGenerals sections, TsSkinImages images = {});
  ~SectionSkin();

  TsSkinManager& Manager() const { return *manager_; }
  int Section(const std::string& name) const { return manager_->SectionIndex(name); }
  int Mask(const std::string& section, const std::string& property) const {
    return manager_->MaskIndexByNames(section, property);
  }
  const TsMaskData& MaskData(int index) const {
    return manager_->Masks()[static_cast<size_t>(index)];
  }

 private:
  TempDir noSkinFolders_;
  std::unique_ptr<TsSkinManager> manager_;
};

// A texture or border image of the master bitmap for a section.
TsSkinImage MasterImage(const std::string& section, const std::string& property, TRect rect,
                        int stretchMode = 0, int imageCount = 1, int maskType = 0);

}  // namespace au::test
