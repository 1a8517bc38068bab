// The skinned frame's rules without a window: geometry from metrics, which
// buttons and commands a frame offers, the caption buttons' looks, layout and
// hit areas, outline dragging, menu texts and the shape's holes.
#include <gtest/gtest.h>

#include <vector>

#include "frame/border_drag.h"
#include "frame/caption_buttons.h"
#include "frame/frame_geometry.h"
#include "frame/frame_rules.h"
#include "frame/system_menu.h"
#include "paint/region_holes.h"
#include "ui/popup_menu.h"

namespace au {
namespace {

constexpr FrameMetrics kMetrics{19, 3, 3, 4, 4};

bool operator==(const TRect& a, const TRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

TEST(FrameGeometry, DialogFrameAroundItsClientArea) {
  const FrameGeometry g = ComputeFrameGeometry(TFormBorderStyle::bsDialog, kMetrics,
                                               {694, 429, 688, 404, false, 0}, {true, 0, 0});
  EXPECT_EQ(g.CaptionHeight, 19);
  EXPECT_EQ(g.BorderWidth, 3);
  EXPECT_EQ(g.BorderHeight, 3);
  EXPECT_EQ(g.TitleHeight, 22);
  EXPECT_EQ(g.TitleBand(), 22);
  EXPECT_EQ(g.ClientOffsetX, 3);
  EXPECT_EQ(g.ClientOffsetY, 22);
  EXPECT_EQ(g.Height, 429);
  // A dialog shows no icon, whatever ShowAppIcon says.
  EXPECT_FALSE(g.IconShown);
  EXPECT_EQ(g.IconWidth, 0);
  EXPECT_EQ(g.IconRect.Left, 3);
  EXPECT_EQ(g.IconRect.Right, 3);
}

TEST(FrameGeometry, SizeableFrameUsesTheSizingBorderAndShowsAnIcon) {
  const FrameGeometry g = ComputeFrameGeometry(TFormBorderStyle::bsSizeable, kMetrics,
                                               {700, 500, 692, 473, false, 0}, {true, 0, 0});
  EXPECT_EQ(g.BorderWidth, 4);
  EXPECT_EQ(g.TitleHeight, 23);
  EXPECT_EQ(g.ClientOffsetY, 23);
  EXPECT_TRUE(g.IconShown);
  EXPECT_EQ(g.IconWidth, 16);
  EXPECT_TRUE((g.IconRect == TRect{4, 3, 20, 19}));  // (19 + 4 - 16) / 2 from the top

  const FrameGeometry hidden = ComputeFrameGeometry(TFormBorderStyle::bsSizeable, kMetrics,
                                                    {700, 500, 692, 473, false, 0}, {false, 0, 0});
  EXPECT_FALSE(hidden.IconShown);
  EXPECT_EQ(hidden.IconWidth, 0);
  const FrameGeometry sized = ComputeFrameGeometry(TFormBorderStyle::bsSingle, kMetrics,
                                                   {700, 500, 694, 475, false, 0}, {true, 12, 10});
  EXPECT_EQ(sized.IconWidth, 12);
  EXPECT_EQ(sized.IconHeight, 10);
}

TEST(FrameGeometry, AutomaticIconSizesAtTheirBoundaries) {
  EXPECT_EQ(AutomaticIconSize(8), 0);
  EXPECT_EQ(AutomaticIconSize(9), 8);
  EXPECT_EQ(AutomaticIconSize(16), 8);
  EXPECT_EQ(AutomaticIconSize(17), 16);
  EXPECT_EQ(AutomaticIconSize(27), 16);
  EXPECT_EQ(AutomaticIconSize(28), 32);
}

TEST(FrameGeometry, BorderlessMinimisedAndDegenerateWindows) {
  const FrameGeometry none = ComputeFrameGeometry(TFormBorderStyle::bsNone, kMetrics,
                                                  {300, 200, 300, 200, false, 0}, {true, 0, 0});
  EXPECT_EQ(none.CaptionHeight, 0);
  EXPECT_EQ(none.BorderWidth, 0);
  EXPECT_EQ(none.TitleHeight, 0);
  EXPECT_EQ(none.ClientOffsetY, 0);

  // Minimised: only the title bar is left, and the title takes the border too.
  const FrameGeometry iconic = ComputeFrameGeometry(TFormBorderStyle::bsSingle, kMetrics,
                                                    {160, 25, 154, 0, true, 0}, {true, 0, 0});
  EXPECT_EQ(iconic.Height, 3 + 19 + 1);
  EXPECT_EQ(iconic.TitleHeight, 25 - 3 + 3);

  // A client taller than the window never gives a negative title.
  const FrameGeometry odd = ComputeFrameGeometry(TFormBorderStyle::bsDialog, kMetrics,
                                                 {100, 10, 94, 20, false, 0}, {true, 0, 0});
  EXPECT_EQ(odd.TitleHeight, 0);
}

FrameState State(TFormBorderStyle style, TBorderIcons icons,
                 TWindowState state = TWindowState::wsNormal) {
  return {style, icons, state};
}

TEST(FrameRules, TheMainWindowShowsOnlyCloseAndMove) {
  const FrameState s = State(TFormBorderStyle::bsDialog, kDefaultBorderIcons);
  EXPECT_TRUE(CloseShown(s));
  EXPECT_FALSE(RestoreVisible(s));
  EXPECT_FALSE(SizeVisible(s));
  EXPECT_FALSE(MinimizeVisible(s));
  EXPECT_FALSE(MaximizeVisible(s));
  EXPECT_FALSE(MaximizeEnabled(s));
  EXPECT_TRUE(MoveEnabled(s));
}

TEST(FrameRules, BoxesFollowStyleIconsAndState) {
  // A sizeable frame shows both boxes even without their icons ...
  const FrameState sizeable = State(TFormBorderStyle::bsSizeable, biSystemMenu);
  EXPECT_TRUE(MaximizeVisible(sizeable));
  EXPECT_TRUE(MinimizeVisible(sizeable));
  EXPECT_FALSE(MaximizeEnabled(sizeable));
  EXPECT_FALSE(MinimizeEnabled(sizeable));
  EXPECT_TRUE(SizeVisible(sizeable));
  EXPECT_TRUE(SizeEnabled(sizeable));
  // ... a single one only with them.
  EXPECT_FALSE(MaximizeVisible(State(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize)));
  EXPECT_TRUE(MinimizeVisible(State(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize)));
  EXPECT_FALSE(SizeEnabled(State(TFormBorderStyle::bsSingle, kDefaultBorderIcons)));
  // No close button, no boxes; but a minimised window always shows them.
  EXPECT_FALSE(MaximizeVisible(State(TFormBorderStyle::bsSizeable, biMaximize)));
  const FrameState minimised = State(TFormBorderStyle::bsDialog, 0, TWindowState::wsMinimized);
  EXPECT_TRUE(MaximizeVisible(minimised));
  EXPECT_TRUE(MinimizeVisible(minimised));
  EXPECT_TRUE(RestoreEnabled(minimised));
  EXPECT_FALSE(SizeEnabled(minimised));
  EXPECT_FALSE(MinimizeEnabled(
      State(TFormBorderStyle::bsSizeable, kDefaultBorderIcons, TWindowState::wsMinimized)));
}

TEST(FrameRules, RestoreAndMaximiseDependOnTheWindowState) {
  const FrameState normal = State(TFormBorderStyle::bsSizeable, kDefaultBorderIcons);
  const FrameState maximised =
      State(TFormBorderStyle::bsSizeable, kDefaultBorderIcons, TWindowState::wsMaximized);
  EXPECT_TRUE(RestoreVisible(normal));
  EXPECT_FALSE(RestoreEnabled(normal));
  EXPECT_TRUE(MaximizeEnabled(normal));
  EXPECT_TRUE(RestoreEnabled(maximised));
  EXPECT_FALSE(MaximizeEnabled(maximised));
  EXPECT_FALSE(MoveEnabled(maximised));
  // Without the maximise icon a maximised window cannot be restored by it.
  EXPECT_FALSE(
      RestoreEnabled(State(TFormBorderStyle::bsSizeable, biSystemMenu, TWindowState::wsMaximized)));
  EXPECT_FALSE(MaximizeEnabled(State(TFormBorderStyle::bsDialog, kDefaultBorderIcons)));
}

TEST(CaptionButtons, LookFollowsTheHotAndPressedPart) {
  EXPECT_EQ(CaptionButtonState(HTCLOSE, 0, false), 0);
  EXPECT_EQ(CaptionButtonState(HTCLOSE, HTCLOSE, false), 1);
  EXPECT_EQ(CaptionButtonState(HTCLOSE, HTCLOSE, true), 2);
  EXPECT_EQ(CaptionButtonState(HTCLOSE, HTMAXBUTTON, true), 0);
  EXPECT_EQ(CaptionButtonState(HTMAXBUTTON, HTMAXBUTTON, true, false), 1);
  EXPECT_EQ(CaptionButtonState(0, 0, true), 0);

  EXPECT_EQ(CaptionButtonMode(0, true, true), 1);
  EXPECT_EQ(CaptionButtonMode(0, false, true), 2);  // inactive: half strength
  EXPECT_EQ(CaptionButtonMode(1, false, true), 1);  // but fully when hot
  EXPECT_EQ(CaptionButtonMode(2, false, true), 1);
  EXPECT_EQ(CaptionButtonMode(1, true, false), 2);  // disabled: always half
}

TEST(CaptionButtons, PlacedCentredInTheTitleBand) {
  FrameGeometry g;
  g.CaptionHeight = 19;
  g.BorderHeight = 3;
  EXPECT_TRUE((PlaceCaptionButton(691, 18, 19, g) == TRect{673, 1, 691, 20}));
  // Small buttons sit two pixels lower.
  EXPECT_TRUE((PlaceCaptionButton(100, 14, 14, g) == TRect{86, 6, 100, 20}));
  EXPECT_TRUE((PlaceCaptionButton(100, 16, 16, g) == TRect{84, 3, 100, 19}));
  const ButtonBand band = CaptionButtonBand(g, 19);
  EXPECT_EQ(band.Top, 1);
  EXPECT_EQ(band.Bottom, 20);
  EXPECT_TRUE(band.Contains(20));
  EXPECT_FALSE(band.Contains(0));
  EXPECT_FALSE(band.Contains(21));
}

TEST(CaptionButtons, HitAreasIncludeBothEdgesAndTheFirstWins) {
  const std::vector<ButtonHitArea> areas = {{HTCLOSE, {100, 1, 118, 20}, true},
                                            {HTMAXBUTTON, {82, 1, 100, 20}, true},
                                            {kUserButtonCode, {61, 1, 82, 20}, false}};
  EXPECT_EQ(HitTestCaptionButtons(areas, 118), HTCLOSE);
  EXPECT_EQ(HitTestCaptionButtons(areas, 100), HTCLOSE);  // the shared column
  EXPECT_EQ(HitTestCaptionButtons(areas, 99), HTMAXBUTTON);
  EXPECT_EQ(HitTestCaptionButtons(areas, 82), HTMAXBUTTON);
  EXPECT_EQ(HitTestCaptionButtons(areas, 81), HTCAPTION);  // a disabled user button
  EXPECT_EQ(HitTestCaptionButtons(areas, 119), HTCAPTION);
  EXPECT_EQ(HitTestCaptionButtons(areas, 10), HTCAPTION);
  EXPECT_EQ(HitTestCaptionButtons({}, 10), HTCAPTION);
}

TEST(BorderDrag, OutlineMovesAndSizesWithinTheMinimumTrack) {
  const RECT start{100, 100, 400, 300};
  const SIZE minTrack{120, 40};
  const auto drag = [&](int code, int dx, int dy) {
    return DraggedRect(start, code, {dx, dy}, minTrack);
  };
  RECT r = drag(HTCAPTION, 15, -20);
  EXPECT_EQ(r.left, 115);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right, 415);
  EXPECT_EQ(r.bottom, 280);
  r = drag(HTBOTTOMRIGHT, 30, 40);
  EXPECT_EQ(r.right, 430);
  EXPECT_EQ(r.bottom, 340);
  EXPECT_EQ(r.left, 100);
  r = drag(HTLEFT, 250, 0);  // would leave 50 pixels: stops at 120
  EXPECT_EQ(r.left, 280);
  EXPECT_EQ(r.right, 400);
  r = drag(HTTOP, 0, 500);
  EXPECT_EQ(r.top, 260);
  r = drag(HTBOTTOMLEFT, -10, -1000);
  EXPECT_EQ(r.left, 90);
  EXPECT_EQ(r.bottom, 140);
  EXPECT_TRUE(IsDragCode(HTCAPTION));
  EXPECT_TRUE(IsDragCode(HTBOTTOMRIGHT));
  EXPECT_FALSE(IsDragCode(HTCLOSE));
  EXPECT_FALSE(IsDragCode(HTCLIENT));
}

TEST(MenuTexts, ShortcutsAndAccessKeys) {
  EXPECT_EQ(ShortCutToText(scAlt | VK_F4), "Alt+F4");
  EXPECT_EQ(ShortCutToText(0x8073), "Alt+F4");
  EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(scShift | scCtrl | VK_DELETE), "Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(0), "");
  // A skin whose name holds "&" is shown and chosen by that very name.
  EXPECT_EQ(MenuCaptionOf("Salt & Pepper"), "Salt && Pepper");
  EXPECT_EQ(StripHotkeys(MenuCaptionOf("Salt & Pepper")), "Salt & Pepper");
  EXPECT_EQ(StripHotkeys("&Close"), "Close");
  EXPECT_EQ(StripHotkeys("A&&&B&"), "A&B");
}

TEST(MenuItems, InsertDeleteAndFind) {
  TMenuItem root;
  root.Add(std::make_unique<TMenuItem>("b", "B"));
  root.Insert(0, std::make_unique<TMenuItem>("a", "A"));
  TMenuItem* c = root.Insert(99, std::make_unique<TMenuItem>("c", "-"));
  ASSERT_EQ(root.Count(), 3);
  EXPECT_EQ(root.Items(0)->Name, "a");
  EXPECT_EQ(root.Items(2), c);
  EXPECT_EQ(c->Parent(), &root);
  EXPECT_TRUE(c->IsLine());
  EXPECT_EQ(root.Find("b"), root.Items(1));
  EXPECT_EQ(root.Find("x"), nullptr);
  EXPECT_EQ(root.IndexOf(c), 2);
  root.Delete(0);
  root.Delete(7);  // ignored
  EXPECT_EQ(root.Count(), 2);
  EXPECT_EQ(root.IndexOf(c), 1);
}

// A mask with a picture of its own: two state images of 8 x 6 side by side,
// over a weight row.
TsMaskData TwoImageMask(Bitmap24& picture) {
  TsMaskData mask;
  mask.Rect = {0, 0, picture.Width(), picture.Height()};
  mask.ImageCount = 2;
  mask.MaskType = 1;
  mask.Image = std::move(picture);
  return mask;
}

TEST(RegionHoles, MagentaRunsOfTheFirstStateImagesCorners) {
  Bitmap24 picture(16, 12);
  picture.Fill(clWhite);
  // Image 0: a rounded top-left corner, a right-corner run, bottom corners.
  picture.SetPixel(0, 0, clMagenta);
  picture.SetPixel(1, 0, clMagenta);
  picture.SetPixel(0, 1, clMagenta);
  picture.SetPixel(7, 0, clMagenta);
  picture.SetPixel(6, 0, clMagenta);
  picture.SetPixel(0, 5, clMagenta);
  picture.SetPixel(4, 0, clMagenta);  // in the middle: not a corner
  picture.SetPixel(0, 3, clMagenta);  // below the top border
  picture.SetPixel(9, 0, clMagenta);  // image 1
  picture.SetPixel(0, 8, clMagenta);  // the weight row
  TsMaskData mask = TwoImageMask(picture);

  std::vector<TRect> holes;
  AddCornerHoles(holes, mask, {2, 2, 3}, false, 0, 100);
  ASSERT_EQ(holes.size(), 3u);
  EXPECT_TRUE((holes[0] == TRect{0, 0, 2, 1}));
  EXPECT_TRUE((holes[1] == TRect{98, 0, 100, 1}));  // columns 6 and 7 of 8 from the right
  EXPECT_TRUE((holes[2] == TRect{0, 1, 1, 2}));

  holes.clear();
  AddCornerHoles(holes, mask, {2, 2, 3}, true, 40, 100);
  ASSERT_EQ(holes.size(), 1u);
  EXPECT_TRUE((holes[0] == TRect{0, 41, 1, 42}));  // image row 5 is the second bottom row
}

TEST(RegionHoles, ImagesReachingOutOfTheirPictureAndWholeRuns) {
  Bitmap24 picture(8, 4);
  picture.Fill(clMagenta);
  TsMaskData mask;
  mask.Image = std::move(picture);
  mask.Rect = {0, 0, 8, 4};
  mask.ImageCount = 1;
  std::vector<TRect> holes;
  // Borders wider than the image cover it whole, once from each side.
  AddCornerHoles(holes, mask, {20, 1, 20}, false, 0, 50);
  ASSERT_EQ(holes.size(), 2u);
  EXPECT_TRUE((holes[0] == TRect{0, 0, 8, 1}));
  EXPECT_TRUE((holes[1] == TRect{42, 0, 50, 1}));

  // A rectangle beyond the picture's right edge: only its part inside counts.
  mask.Rect = {4, 0, 12, 4};
  holes.clear();
  AddCornerHoles(holes, mask, {2, 1, 2}, false, 0, 50);
  ASSERT_EQ(holes.size(), 1u);
  EXPECT_TRUE((holes[0] == TRect{0, 0, 2, 1}));

  TsMaskData empty;
  holes.clear();
  AddCornerHoles(holes, empty, {2, 2, 2}, false, 0, 50);
  EXPECT_TRUE(holes.empty());
}

TEST(RegionHoles, TheShapeIsTheRectangleLessItsHoles) {
  const UniqueRegion shape = MakeWindowShape(20, 10, {{0, 0, 2, 1}, {18, 0, 20, 1}});
  ASSERT_TRUE(shape);
  EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0));
  EXPECT_FALSE(PtInRegion(shape.Get(), 1, 0));
  EXPECT_TRUE(PtInRegion(shape.Get(), 2, 0));
  EXPECT_FALSE(PtInRegion(shape.Get(), 19, 0));
  EXPECT_TRUE(PtInRegion(shape.Get(), 0, 1));
  EXPECT_TRUE(PtInRegion(shape.Get(), 19, 9));
  EXPECT_FALSE(PtInRegion(shape.Get(), 20, 5));
}

}  // namespace
}  // namespace au
