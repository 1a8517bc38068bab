#include "tests/paint/sections/section_test_skin.h"

#include "pixels/bmp_file.h"

namespace au::test {

SectionSkin::SectionSkin(const Bitmap24& master, TsSkinGenerals sections, TsSkinImages images)
    : manager_(std::make_unique<TsSkinManager>(nullptr)) {
  TsStoredSkin skin;
  skin.Name = "Sections";
  skin.MasterBitmap = EncodeBmp24(master);
  skin.GeneralData = std::move(sections);
  skin.Images = std::move(images);
  manager_->SetSkinDirectory(noSkinFolders_.Ansi());
  manager_->SetInternalSkins({skin});
  manager_->SetSkinName(skin.Name);
}

SectionSkin::~SectionSkin() = default;

TsSkinImage MasterImage(const std::string& section, const std::string& property, TRect rect,
                        int stretchMode, int imageCount, int maskType) {
  TsSkinImage image;
  image.SectionName = section;
  image.PropertyName = property;
  image.Left = rect.Left;
  image.Top = rect.Top;
  image.Right = rect.Right;
  image.Bottom = rect.Bottom;
  image.ImageCount = imageCount;
  image.MaskType = maskType;
  image.StretchMode = stretchMode;
  image.ImgType = property == "BORDERSMASK" ? itisaBorder : itisaTexture;
  return image;
}

}  // namespace au::test
