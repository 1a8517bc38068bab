// Global information of the loaded skin.
#pragma once

#include <cstdint>
#include <string>

#include "pixels/color.h"

namespace au {

struct TsSkinData {
  // Folder of a skin loaded from disk, ending in "\"; empty for an internal
  // skin. Relative picture names are resolved against it.
  std::string SkinPath;
  bool SkinActive = false;  // true once every window has been told about the skin
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;  // the window shadow of the form frame
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;  // -1: no shadow
  std::int32_t Shadow1Transparency = 0;
};

}  // namespace au
