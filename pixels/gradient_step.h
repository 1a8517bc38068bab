// A parsed gradient description: the steps that the gradient painter draws.
#pragma once

#include <cstdint>
#include <vector>

#include "pixels/color.h"

namespace au {

struct TsGradientStep {
  TColor Color1 = 0;
  TColor Color2 = 0;
  std::uint8_t Percent = 0;  // share of the extent, at most 100
  std::int32_t Mode = 0;     // 0 vertical bands, 1 horizontal bands, 2 four triangles
  std::int32_t Reserved = 0;
};

using TsGradArray = std::vector<TsGradientStep>;

}  // namespace au
