// Off Windows there is no user colour scheme: answer with the classic defaults
// so that portable code and its tests see the same values as a stock desktop.
#include <array>

#include "pixels/color.h"

namespace au {

TColor SystemColorValue(int index) {
  static constexpr std::array<TColor, 31> kClassic = {
      MakeColor(212, 208, 200), MakeColor(58, 110, 165),  MakeColor(10, 36, 106),
      MakeColor(128, 128, 128), MakeColor(212, 208, 200), MakeColor(255, 255, 255),
      MakeColor(0, 0, 0),       MakeColor(0, 0, 0),       MakeColor(0, 0, 0),
      MakeColor(255, 255, 255), MakeColor(212, 208, 200), MakeColor(212, 208, 200),
      MakeColor(128, 128, 128), MakeColor(10, 36, 106),   MakeColor(255, 255, 255),
      MakeColor(212, 208, 200), MakeColor(128, 128, 128), MakeColor(128, 128, 128),
      MakeColor(0, 0, 0),       MakeColor(212, 208, 200), MakeColor(255, 255, 255),
      MakeColor(64, 64, 64),    MakeColor(212, 208, 200), MakeColor(0, 0, 0),
      MakeColor(255, 255, 225), MakeColor(181, 181, 181), MakeColor(0, 0, 128),
      MakeColor(166, 202, 240), MakeColor(192, 192, 192), MakeColor(49, 106, 197),
      MakeColor(236, 233, 216)};
  if (index < 0 || index >= static_cast<int>(kClassic.size())) return clBlack;
  return kClassic[index];
}

}  // namespace au
