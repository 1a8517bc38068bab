// Where the parts of a skinned scroll bar lie: button lengths, slider size and
// centre, and the position a point along the bar stands for.
#include "controls/scroll_bar_layout.h"

#include <gtest/gtest.h>

namespace au {
namespace {

ScrollBarMeasures Bar(int length, int position = 0, int pageSize = 0, int min = 0, int max = 100) {
  ScrollBarMeasures m;
  m.Length = length;
  m.Arrow = 17;
  m.Min = min;
  m.Max = max;
  m.Position = position;
  m.PageSize = pageSize;
  return m;
}

TEST(ScrollBarLayout, ButtonsTakeTheArrowLengthOrHalfAShortBar) {
  const ScrollBarLayout forty(Bar(40));
  EXPECT_EQ(forty.FirstButton(), (ScrollSpan{0, 17}));
  EXPECT_EQ(forty.SecondButton(), (ScrollSpan{23, 40}));
  const ScrollBarLayout twenty(Bar(20));
  EXPECT_EQ(twenty.FirstButton(), (ScrollSpan{0, 10}));
  EXPECT_EQ(twenty.SecondButton(), (ScrollSpan{10, 20}));
  // An odd length splits with the middle pixel going to the second button.
  const ScrollBarLayout odd(Bar(21));
  EXPECT_EQ(odd.FirstButton(), (ScrollSpan{0, 10}));
  EXPECT_EQ(odd.SecondButton(), (ScrollSpan{10, 21}));
}

TEST(ScrollBarLayout, TheSliderIsAtLeastFourteenPixelsAndOtherwiseShowsThePage) {
  EXPECT_EQ(ScrollBarLayout(Bar(200)).SliderSize(), 14);
  // (200 - 34) * 1 / 101 is below 2.
  EXPECT_EQ(ScrollBarLayout(Bar(200, 0, 1)).SliderSize(), 14);
  // (200 - 34) * 50 / 150 = 55.33.
  EXPECT_EQ(ScrollBarLayout(Bar(200, 0, 50)).SliderSize(), 55);
  // (134 - 34) * 10 / 40 = 25 exactly; 102 * 10 / 40 = 25.5 rounds to the even 26,
  // 98 * 10 / 40 = 24.5 to the even 24.
  EXPECT_EQ(ScrollBarLayout(Bar(134, 0, 10, 0, 30)).SliderSize(), 25);
  EXPECT_EQ(ScrollBarLayout(Bar(136, 0, 10, 0, 30)).SliderSize(), 26);
  EXPECT_EQ(ScrollBarLayout(Bar(132, 0, 10, 0, 30)).SliderSize(), 24);
}

TEST(ScrollBarLayout, TheSliderTravelsBetweenTheButtons) {
  const ScrollBarLayout top(Bar(200, 0));
  EXPECT_EQ(top.SliderCenter(), 24);
  EXPECT_EQ(top.Slider(), (ScrollSpan{17, 31}));
  EXPECT_EQ(top.FirstTrack(), (ScrollSpan{0, 24}));
  EXPECT_EQ(top.SecondTrack(), (ScrollSpan{24, 200}));
  const ScrollBarLayout bottom(Bar(200, 100));
  EXPECT_EQ(bottom.Slider(), (ScrollSpan{169, 183}));
  // 152 / 100 * 50 = 76.
  EXPECT_EQ(ScrollBarLayout(Bar(200, 50)).SliderCenter(), 17 + 7 + 76);
  // A range starting above 0 counts from its minimum.
  EXPECT_EQ(ScrollBarLayout(Bar(200, 150, 0, 100, 200)).SliderCenter(), 17 + 7 + 76);
  EXPECT_TRUE(top.SliderFits());
  // 40 pixels leave 6 between the buttons: no room for the slider.
  EXPECT_FALSE(ScrollBarLayout(Bar(40)).SliderFits());
}

TEST(ScrollBarLayout, ADisabledBarCentresItsSliderAndAnEmptyRangeStartsIt) {
  ScrollBarMeasures disabled = Bar(151, 80);
  disabled.Enabled = false;
  const ScrollBarLayout layout(disabled);
  EXPECT_EQ(layout.SliderCenter(), 75);
  EXPECT_EQ(layout.PositionAt(140), 0);
  EXPECT_EQ(ScrollBarLayout(Bar(200, 0, 0, 5, 5)).SliderCenter(), 0);
}

TEST(ScrollBarLayout, APointStandsForThePositionThatCentresTheSliderOnIt) {
  for (const int min : {0, 40}) {
    const ScrollBarMeasures m = Bar(200, 0, 0, min, min + 100);
    const ScrollBarLayout layout(m);
    for (int position = m.Min; position <= m.Max; ++position) {
      ScrollBarMeasures at = m;
      at.Position = position;
      EXPECT_EQ(layout.PositionAt(ScrollBarLayout(at).SliderCenter()), position) << position;
    }
    // Beyond the ends the value goes on; the bar clamps it.
    EXPECT_LT(layout.PositionAt(0), m.Min);
    EXPECT_GT(layout.PositionAt(199), m.Max);
  }
  // (150 - 17 - 7) * 100 / 152 = 82.9.
  EXPECT_EQ(ScrollBarLayout(Bar(200)).PositionAt(150), 83);
}

TEST(ScrollBarLayout, ABarTooShortToMoveItsSliderAnswersItsMinimum) {
  const ScrollBarLayout layout(Bar(48, 0, 0, 7, 50));
  EXPECT_EQ(layout.PositionAt(30), 7);
  // A point far off a huge range does not overflow.
  const ScrollBarLayout huge(Bar(200, 0, 0, 0, 2000000000));
  EXPECT_EQ(huge.PositionAt(-100000), -2000000000);
  EXPECT_EQ(huge.PositionAt(100000), 2000000000);
}

TEST(ScrollBarLayout, PartsAreFoundButtonsFirstThenSliderThenTracks) {
  const ScrollBarLayout layout(Bar(200, 50));
  EXPECT_EQ(layout.PartAt(0), TScrollPart::FirstButton);
  EXPECT_EQ(layout.PartAt(16), TScrollPart::FirstButton);
  EXPECT_EQ(layout.PartAt(17), TScrollPart::FirstTrack);
  EXPECT_EQ(layout.PartAt(93), TScrollPart::Slider);
  EXPECT_EQ(layout.PartAt(106), TScrollPart::Slider);
  EXPECT_EQ(layout.PartAt(107), TScrollPart::SecondTrack);
  EXPECT_EQ(layout.PartAt(183), TScrollPart::SecondButton);
  // Where the slider overlaps a button, the button wins.
  const ScrollBarLayout start(Bar(200, 0, 0, 5, 5));
  EXPECT_EQ(start.PartAt(3), TScrollPart::FirstButton);
}

TEST(ScrollBarLayout, ButtonsArePaintedAsLongAsTheirBorderImageWhenTheSkinAsks) {
  EXPECT_EQ(PaintedButtonLength(10, 17, 0), 10);
  EXPECT_EQ(PaintedButtonLength(10, 17, 24), 24);
  EXPECT_EQ(PaintedButtonLength(17, 17, 12), 17);
}

}  // namespace
}  // namespace au
