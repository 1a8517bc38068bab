// A container's graphic children composed over its background and copied to
// the screen, also when a child reaches over the container's edges.
#include "paint/graphic_children.h"

#include <gtest/gtest.h>

#include "controls/ts_panel.h"
#include "controls/ts_speed_button.h"
#include "tests/controls/painted_form.h"

namespace au {
namespace {

using test::ScreenShows;

class GraphicChildrenTest : public test::PaintedFormTest {};

TEST_F(GraphicChildrenTest, AChildOverTheContainersEdgesShowsWhatLiesInside) {
  Activate();
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* topLeft = Add<TsSpeedButton>(panel, {-7, -9, 60, 22});
  auto* bottomRight = Add<TsSpeedButton>(panel, {270, 190, 60, 22});
  auto* inside = Add<TsSpeedButton>(panel, {100, 100, 60, 22});
  for (TsSpeedButton* button : {topLeft, bottomRight, inside}) {
    button->SkinData().SetSkinSection("BARTITLE");
    button->SetCaption("Edge");
  }
  ShowAndPaint();
  // The visible part of each child, pixel for pixel.
  const Bitmap24 a = CacheOf(topLeft->SkinData());
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 53; ++x)
      ASSERT_EQ(test::ScreenPixel(panel->Handle(), x, y), a.Pixel(x + 7, y + 9)) << x << ", " << y;
  const Bitmap24 b = CacheOf(bottomRight->SkinData());
  for (int y = 190; y < 200; ++y)
    for (int x = 270; x < 300; ++x)
      ASSERT_EQ(test::ScreenPixel(panel->Handle(), x, y), b.Pixel(x - 270, y - 190))
          << x << ", " << y;
  EXPECT_TRUE(ScreenShows(panel->Handle(), 100, 100, CacheOf(inside->SkinData())));
}

}  // namespace
}  // namespace au
