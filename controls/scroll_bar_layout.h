// Where the parts of a skinned scroll bar lie along its length: two arrow
// buttons at the ends, two track parts meeting at the slider's centre, and
// the slider. Pure arithmetic on the bar's measures and range, so that it can
// be checked without a window.
#pragma once

namespace au {

// The five parts, in the order in which a point is tested against them.
enum class TScrollPart { FirstButton, SecondButton, Slider, FirstTrack, SecondTrack };
inline constexpr int kScrollPartCount = 5;

// A stretch along the bar, End exclusive.
struct ScrollSpan {
  int Start = 0;
  int End = 0;
  int Length() const { return End - Start; }
  bool Contains(int coordinate) const { return coordinate >= Start && coordinate < End; }
  friend bool operator==(const ScrollSpan&, const ScrollSpan&) = default;
};

struct ScrollBarMeasures {
  int Length = 0;  // height of a vertical bar, width of a horizontal one
  int Arrow = 0;   // the platform's arrow length in that direction
  int Min = 0;
  int Max = 100;
  int Position = 0;
  int PageSize = 0;
  bool Enabled = true;
};

inline constexpr int kMinSliderSize = 14;

class ScrollBarLayout {
 public:
  explicit ScrollBarLayout(const ScrollBarMeasures& measures);

  ScrollSpan FirstButton() const { return {0, firstButtonEnd_}; }
  ScrollSpan SecondButton() const { return {secondButtonStart_, m_.Length}; }
  int SliderSize() const { return sliderSize_; }
  int SliderCenter() const { return sliderCenter_; }
  ScrollSpan Slider() const {
    return {sliderCenter_ - sliderSize_ / 2, sliderCenter_ - sliderSize_ / 2 + sliderSize_};
  }
  ScrollSpan FirstTrack() const { return {0, sliderCenter_}; }
  ScrollSpan SecondTrack() const { return {sliderCenter_, m_.Length}; }
  ScrollSpan Span(TScrollPart part) const;
  // The slider is drawn only while it fits between the buttons.
  bool SliderFits() const { return sliderSize_ <= secondButtonStart_ - firstButtonEnd_; }

  // The part a coordinate along the bar falls on, tested in the parts' order.
  TScrollPart PartAt(int coordinate) const;
  // The position that puts the slider's centre at a coordinate along the bar
  // (not clamped to the range); Min while the bar is disabled or too short to
  // move its slider.
  int PositionAt(int coordinate) const;

 private:
  ScrollBarMeasures m_;
  int firstButtonEnd_ = 0;
  int secondButtonStart_ = 0;
  int sliderSize_ = kMinSliderSize;
  int sliderCenter_ = 0;
};

// A button's painted length: as laid out, or, when the skin asks for it, the
// larger of the arrow length and one state image of the button's border
// (`imageLength` 0 when the skin does not ask).
int PaintedButtonLength(int laidOut, int arrow, int imageLength);

}  // namespace au
