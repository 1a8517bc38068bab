// Raised when a skin gives malformed text where a number is required (image
// rectangles, border widths, window shadow settings). It ends the load; the
// loader passes it on as a SkinLoadError that says where in the skin it was.
#pragma once

#include <stdexcept>
#include <string>

namespace au {

class SkinConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace au
