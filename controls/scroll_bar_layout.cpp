#include "controls/scroll_bar_layout.h"

#include <algorithm>

#include "pixels/rounding.h"

namespace au {
namespace {

// Rounded as the skins' arithmetic rounds, kept where an int can hold it: a
// cursor far off the bar of a huge range must not overflow.
int RoundWithin(double value) {
  return RoundHalfEven(std::clamp(value, -2.0e9, 2.0e9));
}

}  // namespace

ScrollBarLayout::ScrollBarLayout(const ScrollBarMeasures& measures) : m_(measures) {
  const int length = m_.Length;
  const int arrow = m_.Arrow;
  firstButtonEnd_ = std::min(arrow, length / 2);
  secondButtonStart_ = std::max(length - arrow, length / 2);
  const double range = static_cast<double>(m_.Max) + m_.PageSize - m_.Min;
  if (m_.PageSize != 0 && range != 0) {
    const double size = static_cast<double>(length - 2 * arrow) * m_.PageSize / range;
    sliderSize_ = std::max(kMinSliderSize, RoundWithin(size));
  }
  if (!m_.Enabled) {
    sliderCenter_ = length / 2;
  } else if (m_.Max == m_.Min) {
    sliderCenter_ = 0;
  } else {
    const double travel = static_cast<double>(length - 2 * arrow - sliderSize_) /
                          (static_cast<double>(m_.Max) - m_.Min);
    sliderCenter_ =
        arrow + sliderSize_ / 2 + RoundWithin(travel * (static_cast<double>(m_.Position) - m_.Min));
  }
}

ScrollSpan ScrollBarLayout::Span(TScrollPart part) const {
  switch (part) {
    case TScrollPart::FirstButton:
      return FirstButton();
    case TScrollPart::SecondButton:
      return SecondButton();
    case TScrollPart::Slider:
      return Slider();
    case TScrollPart::FirstTrack:
      return FirstTrack();
    case TScrollPart::SecondTrack:
      return SecondTrack();
  }
  return {};
}

TScrollPart ScrollBarLayout::PartAt(int coordinate) const {
  if (FirstButton().Contains(coordinate)) return TScrollPart::FirstButton;
  if (SecondButton().Contains(coordinate)) return TScrollPart::SecondButton;
  if (Slider().Contains(coordinate)) return TScrollPart::Slider;
  if (FirstTrack().Contains(coordinate)) return TScrollPart::FirstTrack;
  return TScrollPart::SecondTrack;
}

int ScrollBarLayout::PositionAt(int coordinate) const {
  const int travel = m_.Length - 2 * m_.Arrow - sliderSize_;
  if (!m_.Enabled || travel <= 0) return m_.Min;
  const double along = coordinate - m_.Arrow - sliderSize_ / 2.0;
  const double offset =
      static_cast<double>(RoundWithin(along * (static_cast<double>(m_.Max) - m_.Min) / travel));
  return static_cast<int>(std::clamp(m_.Min + offset, -2147483648.0, 2147483647.0));
}

int PaintedButtonLength(int laidOut, int arrow, int imageLength) {
  return imageLength > 0 ? std::max(arrow, imageLength) : laidOut;
}

}  // namespace au
