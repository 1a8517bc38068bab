// A control's section picture painted into a part of its cache: the corner
// images go to that part's corners.
#include "paint/control_section.h"

#include <gtest/gtest.h>

#include "controls/ts_panel.h"
#include "controls/ts_speed_button.h"
#include "tests/controls/painted_form.h"
#include "tests/paint/masks/mask_test_support.h"

namespace au {
namespace {

using test::AllPixelsAre;
using test::PixelsAre;

class ControlSectionTest : public test::PaintedFormTest {};

TEST_F(ControlSectionTest, TheCornerImagesOfAPartStayInThatPart) {
  // Four images of 4 x 4 pixels of many colours from the master bitmap.
  Activate({"[CORNERED]", "COLOR=16777215", "IMGTOPLEFT=#(187,22,191,26)(1,0)",
            "IMGTOPRIGHT=#(187,22,191,26)(1,0)", "IMGBTMLEFT=#(187,22,191,26)(1,0)",
            "IMGBTMRIGHT=#(187,22,191,26)(1,0)"});
  const Bitmap24& master = manager_->Records().MasterBitmap;
  for (int y = 22; y < 26; ++y)
    for (int x = 187; x < 191; ++x) {
      ASSERT_NE(master.Pixel(x, y), clMagenta);
      ASSERT_NE(master.Pixel(x, y), clWhite);
    }
  auto* panel = Add<TsPanel>(form_.get(), {0, 0, 300, 200});
  auto* button = Add<TsSpeedButton>(panel, {10, 10, 80, 22});
  button->SkinData().SetSkinSection("CORNERED");
  ASSERT_TRUE(button->SkinData().IsSkinned());

  // The right part of the button, as a drop-down button paints its arrow.
  Bitmap24 cache(80, 22);
  cache.Fill(clBlack);
  const TRect part{50, 0, 80, 22};
  PaintControlSection(button->SkinData(), {}, true, false, cache, {10 + 50, 10}, part, 0);
  const auto image = [&](int left, int top) {
    return
        [&master, left, top](int x, int y) { return master.Pixel(187 + x - left, 22 + y - top); };
  };
  EXPECT_TRUE(PixelsAre(cache, {50, 0, 54, 4}, image(50, 0)));
  EXPECT_TRUE(PixelsAre(cache, {76, 0, 80, 4}, image(76, 0)));
  EXPECT_TRUE(PixelsAre(cache, {50, 18, 54, 22}, image(50, 18)));
  EXPECT_TRUE(PixelsAre(cache, {76, 18, 80, 22}, image(76, 18)));
  EXPECT_TRUE(AllPixelsAre(cache, {0, 0, 50, 22}, clBlack));  // left of the part: untouched
  EXPECT_TRUE(AllPixelsAre(cache, {54, 4, 76, 18}, clWhite));
}

}  // namespace
}  // namespace au
