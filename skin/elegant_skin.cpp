#include "skin/elegant_skin.h"

#include <array>
#include <cstdint>

#include "skin/elegant_skin_tables.h"
#include "skin/extended_float.h"
#include "skin_art.h"

namespace au {
namespace {

// The skin's version as it was stored, an 80-bit extended value just below
// 4.81; read back as a double it is one unit in the last place below 4.81.
constexpr std::array<std::uint8_t, 10> kStoredVersion = {0x83, 0xE2, 0x51, 0xB8, 0x1E,
                                                         0x85, 0xEB, 0x99, 0x01, 0x40};

}  // namespace

TsStoredSkin ElegantInternalSkin() {
  TsStoredSkin skin;
  skin.Name = kElegantSkinName;
  skin.GeneralData = ElegantSkinSections();
  skin.Images = ElegantSkinImages();
  skin.MasterBitmap.assign(kElegantMasterBmp.begin(), kElegantMasterBmp.end());
  skin.Shadow1Color = 5066061;  // grey 0x4D4D4D
  skin.Shadow1Offset = 1;
  skin.Shadow1Blur = 5;
  skin.Shadow1Transparency = 50;
  skin.Version = ExtendedToDouble(kStoredVersion);
  skin.Author = "The AnsiUtf8 developers";
  skin.Description = "Easy and universal skin for business and media applications.";
  return skin;
}

}  // namespace au
