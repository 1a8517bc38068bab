// A large pattern picture (at least 90000 pixels) of a skin section.
#pragma once

#include <string>
#include <vector>

#include "pixels/bitmap24.h"

namespace au {

struct TsPatternData {
  Bitmap24 Image;
  std::string SectionName;
  std::string PropertyName;  // PATTERN or HOTPATTERN
};

using TsPatternArray = std::vector<TsPatternData>;

}  // namespace au
