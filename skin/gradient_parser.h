// Gradient descriptions as skins write them: numbers separated by ";", five per
// step (start colour, end colour, percent of the extent, mode, unused).
#pragma once

#include <string_view>

#include "pixels/gradient_step.h"

namespace au {

// An incomplete last group is ignored. A number that does not parse counts as
// 0, so one typo cannot shift every later step. Percent is clipped to 0..100.
TsGradArray ParseGradientData(std::string_view description);

}  // namespace au
