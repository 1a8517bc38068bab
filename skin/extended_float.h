// 80-bit extended-precision values as stored skins keep their version number.
#pragma once

#include <array>
#include <cstdint>

namespace au {

// The bytes low first: 64-bit significand with an explicit integer bit, then
// 15 bits of exponent (bias 16383) and the sign. Rounds to the nearest double,
// ties to even.
double ExtendedToDouble(const std::array<std::uint8_t, 10>& bytes);

}  // namespace au
