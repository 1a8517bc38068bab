// Where a text counts as big for the conversions.
#pragma once

#include <cstddef>

namespace au {

// From this many bytes or code units up, a conversion measures its result
// before making it, instead of reserving the worst case (up to three times the
// memory the result needs), which a 32-bit program showing a big file cannot
// spare.
inline constexpr std::size_t kBigTextFrom = std::size_t{1} << 24;

}  // namespace au
