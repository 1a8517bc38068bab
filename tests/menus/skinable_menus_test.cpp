// The skinned menu painter without a menu on screen: item kinds and their
// measured sizes, the extra line, handing menus to the painter and back, and
// items drawn into a picture.
#include "menus/ts_skinable_menus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "menus/open_menu.h"
#include "pixels/readable_colour.h"
#include "tests/menus/menu_test_support.h"
#include "ui/canvas.h"
#include "ui/popup_menu.h"

namespace au {
namespace {

using test::SkinnedMenuTest;

// A "W" and a text in the platform's menu font, measured directly.
SIZE MenuFontExtent(const std::wstring& text) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size;
}

TEST(MenuItemKinds, CaptionsDecideTheKindAndTheSizes) {
  EXPECT_EQ(MenuItemKindOf("-"), TacMenuItemKind::mkSeparator);
  EXPECT_EQ(MenuItemKindOf("-Title-"), TacMenuItemKind::mkTitle);
  EXPECT_EQ(MenuItemKindOf("--"), TacMenuItemKind::mkTitle);
  EXPECT_EQ(MenuItemKindOf("-Half"), TacMenuItemKind::mkNormal);
  EXPECT_EQ(MenuItemKindOf(""), TacMenuItemKind::mkNormal);

  const MenuItemMetrics m;  // margin 3, spacing 6, 16 x 16 glyphs
  EXPECT_EQ(MeasuredItemWidth(TacMenuItemKind::mkSeparator, 99, 0, m), 47);
  EXPECT_EQ(MeasuredItemWidth(TacMenuItemKind::mkNormal, 50, 32, m), 129);
  // 1.25 x the letter's height, to the nearest integer with halves to even.
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkTitle, 10, m), 12 + 6);   // 12.5
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkTitle, 6, m), 8 + 6);     // 7.5
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkTitle, 13, m), 16 + 6);   // 16.25
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkNormal, 10, m), 16 + 6);  // the glyph is taller
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkNormal, 14, m), 18 + 6);
  EXPECT_EQ(MeasuredItemHeight(TacMenuItemKind::mkSeparator, 14, m), 2);
}

TEST(MenuItemKinds, TheMenuWindowSizeAddsColumnsAndTakesTheTallest) {
  const std::vector<MeasuredItem> items{
      {50, 20, false}, {80, 20, false}, {30, 10, true}, {40, 35, false}};
  // Columns of 80 + 12 and 40 + 12, 4 apart.
  EXPECT_EQ(MenuWidthOf(items), 92 + 4 + 52);
  EXPECT_EQ(MenuHeightOf(items), 45);
  EXPECT_EQ(MenuWidthOf({}), 0);
}

class MenuPainterTest : public SkinnedMenuTest {
 protected:
  MenuPainterTest() : menu_(std::make_unique<TPopupMenu>(form_.get())) { ResetOpenMenu(); }
  ~MenuPainterTest() override { ResetOpenMenu(); }

  TMenuItem* Add(const std::string& caption, TMenuItem* parent = nullptr) {
    TMenuItem& to = parent != nullptr ? *parent : menu_->Items();
    return to.Add(std::make_unique<TMenuItem>("", caption));
  }
  SIZE Measure(TMenuItem& item) {
    HDC dc = GetDC(nullptr);
    const SIZE size = painter_->MeasureItem(item, dc);
    ReleaseDC(nullptr, dc);
    return size;
  }
  // Draws the item into a picture the size of the menu window, filled first;
  // the picture's device has no window, so the painter works the window's
  // size out from the items.
  Bitmap24 Draw(TMenuItem& item, const RECT& r, UINT state = 0, TColor fill = 0x123456) {
    Bitmap24 picture(300, 300);
    picture.Fill(fill);
    TBitmapCanvas canvas(picture);
    painter_->DrawItem(item, canvas.Handle(), r, state);
    GdiFlush();
    return picture;
  }

  std::unique_ptr<TPopupMenu> menu_;
};

TEST_F(MenuPainterTest, ItemsMeasureByKindInTheMenuFont) {
  TMenuItem* line = Add("-");
  TMenuItem* title = Add("-Title-");
  TMenuItem* item = Add("&Move");
  item->ShortCut = scAlt | VK_F4;
  const int letter = MenuFontExtent(L"W").cy;
  const int lineHeight = static_cast<int>(std::nearbyint(1.25 * letter));

  EXPECT_EQ(Measure(*line).cy, 2);
  EXPECT_EQ(Measure(*line).cx, 47);
  const SIZE titleSize = Measure(*title);
  EXPECT_EQ(titleSize.cx, MenuFontExtent(L"--Title--").cx + 47);
  EXPECT_EQ(titleSize.cy, lineHeight + 6);
  const SIZE itemSize = Measure(*item);
  EXPECT_EQ(itemSize.cx, MenuFontExtent(L"MoveAlt+F4").cx + 47);  // the access mark takes no room
  EXPECT_EQ(itemSize.cy, std::max(lineHeight, 16) + 6);
}

TEST_F(MenuPainterTest, TheExtraLineNeedsUseExtraLineWhateverTheProgramAnswers) {
  TMenuItem* first = Add("First");
  TMenuItem* second = Add("Second");
  second->Break = TMenuBreak::mbBreak;
  const int plain = Measure(*first).cx;
  int asked = 0;
  manager_->OnGetMenuExtraLineData = [&](const TMenuItem& item, std::string&, std::string& text,
                                         Bitmap24&, bool& wanted) {
    ++asked;
    EXPECT_EQ(&item, first);
    text = "&Line";
    wanted = true;
  };
  ResetOpenMenu();
  EXPECT_EQ(Measure(*first).cx, plain);
  EXPECT_EQ(painter_->ExtraWidth(false), 0);
  EXPECT_EQ(asked, 1);

  manager_->MenuSupport().UseExtraLine = true;
  ResetOpenMenu();
  EXPECT_EQ(Measure(*first).cx, plain + 32);
  EXPECT_EQ(OpenMenu().ExtraLineText, "Line");
  EXPECT_EQ(Measure(*second).cx, MenuFontExtent(L"Second").cx + 47);  // second column: none
  // The skin's menu border (2) is narrower than the platform's (3).
  EXPECT_EQ(painter_->ExtraWidth(true), 31);
  EXPECT_EQ(asked, 2);  // decided once per menu

  manager_->OnGetMenuExtraLineData = [](const TMenuItem&, std::string&, std::string&, Bitmap24&,
                                        bool& wanted) { wanted = false; };
  ResetOpenMenu();
  EXPECT_EQ(Measure(*first).cx, plain);
}

TEST_F(MenuPainterTest, TheSkinListNeverHasAnExtraLine) {
  manager_->MenuSupport().UseExtraLine = true;
  bool asked = false;
  manager_->OnGetMenuExtraLineData = [&](const TMenuItem&, std::string&, std::string&, Bitmap24&,
                                         bool& wanted) {
    asked = true;
    wanted = true;
  };
  TMenuItem* list = menu_->Items().Add(std::make_unique<TMenuItem>(kSkinSelectItemName, "Skins"));
  TMenuItem* skin = list->Add(std::make_unique<TMenuItem>("SkinSelectItem0", "Elegant"));
  const int plain = MenuFontExtent(L"Elegant").cx + 47;
  EXPECT_EQ(Measure(*skin).cx, plain);
  ResetOpenMenu();
  EXPECT_EQ(Measure(*list).cx, MenuFontExtent(L"Skins").cx + 47);
  EXPECT_FALSE(asked);
}

TEST_F(MenuPainterTest, InstallingKeepsAnItemsOwnHandlers) {
  TMenuItem* own = Add("Own");
  TMenuItem* plain = Add("Plain");
  TMenuItem* sub = Add("Sub", plain);
  int ownDrawn = 0;
  own->OnDrawItem = [&](TMenuItem&, HDC, const RECT&, UINT) { ++ownDrawn; };

  painter_->InstallOnPopup(*menu_, true);
  EXPECT_TRUE(menu_->OwnerDraw);
  ASSERT_TRUE(own->OnDrawItem);
  own->OnDrawItem(*own, nullptr, RECT{}, 0);
  EXPECT_EQ(ownDrawn, 1);
  EXPECT_TRUE(own->OnMeasureItem);  // it had no measure handler of its own
  ASSERT_TRUE(sub->OnMeasureItem && sub->OnDrawItem);
  int w = 0, h = 0;
  HDC dc = GetDC(nullptr);
  sub->OnMeasureItem(*sub, dc, w, h);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(w, Measure(*sub).cx);
  EXPECT_EQ(h, Measure(*sub).cy);
  // An item that comes after the painter took the menu is left to the
  // platform instead of being shown blank.
  Add("Late");
  const auto ownerDrawn = [](HMENU menu, int index) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
  };
  HMENU platformMenu = menu_->Handle();
  EXPECT_TRUE(ownerDrawn(platformMenu, 1));
  EXPECT_FALSE(ownerDrawn(platformMenu, 2));

  painter_->InstallOnPopup(*menu_, false);
  EXPECT_FALSE(menu_->OwnerDraw);
  ASSERT_TRUE(own->OnDrawItem);
  own->OnDrawItem(*own, nullptr, RECT{}, 0);
  EXPECT_EQ(ownDrawn, 2);
  EXPECT_FALSE(own->OnMeasureItem);
  EXPECT_FALSE(plain->OnDrawItem || sub->OnMeasureItem || sub->OnDrawItem);
}

TEST_F(MenuPainterTest, TheApplicationsMenusFollowTheSkinAndSkinnedPopups) {
  TMenuItem* item = Add("Item");
  painter_->FollowSkin();
  EXPECT_TRUE(painter_->Active());
  EXPECT_TRUE(menu_->OwnerDraw);
  EXPECT_TRUE(item->OnDrawItem);

  manager_->SetSkinnedPopups(false);
  EXPECT_FALSE(menu_->OwnerDraw);
  EXPECT_FALSE(item->OnDrawItem);
  manager_->SetSkinnedPopups(true);
  EXPECT_TRUE(item->OnDrawItem);

  // A painter that goes takes its handlers with it.
  manager_->SetMenuPainter(nullptr);
  EXPECT_FALSE(menu_->OwnerDraw);
  EXPECT_FALSE(item->OnDrawItem || item->OnMeasureItem);
}

TEST_F(MenuPainterTest, ATitleShowsOnlyTheMenuBackground) {
  TMenuItem* title = Add("-Title-");
  TMenuItem* item = Add("Item");
  const RECT r{0, 0, 120, 24};
  const Bitmap24 picture = Draw(*title, r);
  // Without a window the background has the size worked out from the items.
  ASSERT_TRUE(OpenMenu().MenuBackground);
  const Bitmap24& background = *OpenMenu().MenuBackground;
  EXPECT_EQ(background.Width(), std::max(Measure(*title).cx, Measure(*item).cx) + 12 + 6);
  EXPECT_EQ(background.Height(), Measure(*title).cy + Measure(*item).cy + 6);
  // The background lies 3 pixels up and left of the canvas; no text over it,
  // and nothing where the rectangle reaches past the background.
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const bool inTitle = x < r.right && y < r.bottom && x + 3 < background.Width();
      ASSERT_EQ(picture.Pixel(x, y), inTitle ? background.Pixel(x + 3, y + 3) : 0x123456)
          << x << "," << y;
    }
  }
}

TEST_F(MenuPainterTest, ADisabledItemKeepsFourTenthsOfItselfOverTheBackground) {
  TMenuItem* item = Add("Disabled");
  const RECT r{0, 0, 100, 22};
  Draw(*item, r);
  // Some background pixels are magenta: the picture keeps itself there.
  for (int y = 0; y < 22; ++y) OpenMenu().MenuBackground->SetPixel(3 + 10, 3 + y, clMagenta);
  const Bitmap24& background = *OpenMenu().MenuBackground;
  const Bitmap24 enabled = Draw(*item, r);
  item->Enabled = false;
  const Bitmap24 disabled = Draw(*item, r);
  int differing = 0;
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 100; ++x) {
      const TColor own = enabled.Pixel(x, y);
      const TColor behind = background.Pixel(x + 3, y + 3);
      const TColor got = disabled.Pixel(x, y);
      if (behind == clMagenta) {
        ASSERT_EQ(got, own) << x << "," << y;
        continue;
      }
      const auto mix = [](int s, int d) {
        return static_cast<int>(std::nearbyint(s - 0.4 * (s - d)));
      };
      ASSERT_NEAR(RedOf(got), mix(RedOf(behind), RedOf(own)), 1) << x << "," << y;
      ASSERT_NEAR(GreenOf(got), mix(GreenOf(behind), GreenOf(own)), 1) << x << "," << y;
      ASSERT_NEAR(BlueOf(got), mix(BlueOf(behind), BlueOf(own)), 1) << x << "," << y;
      if (got != own) ++differing;
    }
  }
  EXPECT_GT(differing, 0);  // the text took on the background
}

// The first and last columns in which a picture differs from another.
std::pair<int, int> DifferingColumns(const Bitmap24& a, const Bitmap24& b, const RECT& r) {
  int first = -1, last = -1;
  for (int x = r.left; x < r.right; ++x) {
    for (int y = r.top; y < r.bottom; ++y) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  }
  return {first, last};
}

TEST_F(MenuPainterTest, ABackspaceBeforeTheCaptionAlignsItRight) {
  TMenuItem* item = Add("");
  // The widest item sets the menu's width, so the background stays the same.
  Add("A caption that makes the menu wider than the test's item");
  const RECT r{0, 0, 200, 22};
  const Bitmap24 empty = Draw(*item, r);
  item->Caption = "Right";
  const Bitmap24 left = Draw(*item, r);
  item->Caption = "\bRight";
  const Bitmap24 right = Draw(*item, r);
  const auto [leftFirst, leftLast] = DifferingColumns(empty, left, r);
  const auto [rightFirst, rightLast] = DifferingColumns(empty, right, r);
  const int textLeft = 16 + 2 * 3 + 6;
  const int blanks = MenuFontExtent(L"      ").cx;
  EXPECT_NEAR(leftFirst, textLeft, 2);
  EXPECT_NEAR(rightLast, 200 - blanks, 3);
  EXPECT_EQ(rightLast - rightFirst, leftLast - leftFirst);  // the same text, moved
}

TEST_F(MenuPainterTest, TheExtraLineIsPaintedDownTheMenusLeftSide) {
  TMenuItem* item = Add("Item");
  const RECT r{0, 0, 100, 22};
  Draw(*item, r);
  const Bitmap24 plain = OpenMenu().MenuBackground->Clone();

  manager_->MenuSupport().UseExtraLine = true;
  manager_->OnGetMenuExtraLineData = [](const TMenuItem&, std::string&, std::string& text,
                                        Bitmap24&, bool& wanted) {
    text = "Skinned";
    wanted = true;
  };
  ResetOpenMenu();
  Draw(*item, r);
  const Bitmap24& lined = *OpenMenu().MenuBackground;
  ASSERT_EQ(lined.Width(), plain.Width() + 32);  // the item is wider by the line
  // The line lies inside the skin's menu border (2 pixels), 32 pixels wide;
  // right of it the menu's own background goes on as before, moved over.
  const int border = painter_->GetSkinBorderWidth();
  ASSERT_EQ(border, 2);
  const int midY = lined.Height() / 2;
  int lineDiffers = 0;
  for (int x = border; x < border + 32; ++x) {
    if (lined.Pixel(x, midY) != plain.Pixel(x, midY)) ++lineDiffers;
  }
  EXPECT_GT(lineDiffers, 16);
  EXPECT_EQ(lined.Pixel(0, midY), plain.Pixel(0, midY));  // the border stays
  // The text runs upwards in the section's first font colour.
  const TColor text = manager_->Sections()[manager_->SectionIndex("EXTRALINE")].FontColor[0];
  int textPixels = 0;
  for (int y = 0; y < lined.Height(); ++y) {
    for (int x = border; x < border + 32; ++x) textPixels += lined.Pixel(x, y) == text;
  }
  EXPECT_GT(textPixels, 10);
}

TEST_F(MenuPainterTest, WithoutMainMenuTheBackgroundIsThePlatformsMenuColour) {
  // A manager of its own without any skin has no MAINMENU section.
  auto* bare = new TsSkinManager(form_.get());
  bare->SetActive(false);
  TsSkinableMenus* painter = SkinableMenusOf(*bare);
  TMenuItem* item = Add("Item");
  Bitmap24 picture(200, 40);
  {
    TBitmapCanvas canvas(picture);
    painter->DrawItem(*item, canvas.Handle(), {0, 0, 120, 22}, 0);
  }
  ASSERT_TRUE(OpenMenu().MenuBackground);
  const Bitmap24& background = *OpenMenu().MenuBackground;
  const TColor menuColour = ResolveColor(SystemColor(COLOR_MENU));
  for (int y = 0; y < background.Height(); ++y) {
    for (int x = 0; x < background.Width(); ++x) ASSERT_EQ(background.Pixel(x, y), menuColour);
  }
  EXPECT_TRUE(painter->CornerHoles().empty());
  EXPECT_EQ(painter->GetSkinBorderWidth(), 0);
}

// The pixels of `r` that stand out from `background` at least `ratio` to 1.
int PixelsStandingOut(const Bitmap24& picture, const RECT& r, TColor background, double ratio) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x)
      n += ContrastRatio(picture.Pixel(x, y), background) >= ratio;
  }
  return n;
}

TEST_F(MenuPainterTest, WithoutMenuSectionsEveryKindOfItemStaysReadable) {
  // No MAINMENU, MENUITEM, check images or divider: the skin list of a skin
  // that skins nothing of the menus must still be read and chosen from.
  auto* bare = new TsSkinManager(form_.get());
  bare->SetActive(false);
  TsSkinableMenus* painter = SkinableMenusOf(*bare);
  TMenuItem* item = Add("Elegant (internal)");
  const RECT r{0, 0, 160, 22};
  const RECT mark{painter->Margin, 0, painter->Margin + 16, 22};
  const struct {
    const char* Kind;
    UINT State;
    bool Enabled;
    bool Checked;
    RECT Where;  // where the item's own marks are
    double Ratio;
  } rows[] = {
      {"normal", 0, true, false, r, kReadableContrast},
      {"hot", kDrawSelected, true, false, r, kReadableContrast},
      {"checked", 0, true, true, mark, kReadableContrast},
      {"hot and checked", kDrawSelected, true, true, mark, kReadableContrast},
      // Disabled items keep four tenths of their text over the background.
      {"disabled", 0, false, false, r, 2.0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Kind);
    item->Enabled = row.Enabled;
    item->Checked = row.Checked;
    item->RadioItem = true;
    Bitmap24 picture(300, 300);
    {
      TBitmapCanvas canvas(picture);
      painter->DrawItem(*item, canvas.Handle(), r, row.State);
    }
    // What lies beneath the text: the item's right end, where no text reaches.
    const TColor beneath = picture.Pixel(r.right - 2, 1);
    EXPECT_GT(ContrastRatio(beneath, clBlack), 1.5);  // not the blank picture
    EXPECT_GT(PixelsStandingOut(picture, row.Where, beneath, row.Ratio), 3);
  }
  // The plain divider stands out from the menu colour as well.
  TMenuItem* line = Add("-");
  Bitmap24 picture(300, 300);
  {
    TBitmapCanvas canvas(picture);
    painter->DrawItem(*line, canvas.Handle(), {0, 0, 160, 2}, 0);
  }
  EXPECT_GT(PixelsStandingOut(picture, {0, 0, 160, 2}, ResolveColor(SystemColor(COLOR_MENU)), 1.5),
            100);
}

TEST_F(MenuPainterTest, EachStateOfAnItemTakesTheColoursOfItsRecord) {
  const TsGeneralData& s = manager_->Sections()[manager_->SectionIndex("MENUITEM")];
  TMenuItem* item = Add("Available skins");
  // The widest item sets the menu's width: the item lies wholly on the menu.
  Add("A caption that makes the menu wider than the test's item");
  const RECT r{0, 0, 160, 22};
  const struct {
    const char* State;
    UINT Flags;
    bool Enabled;
    std::vector<TColor> Shown;
    std::vector<TColor> NotShown;
  } rows[] = {
      {"normal", 0, true, {s.FontColor[0]}, {s.HotFontColor[1]}},
      {"hot", kDrawSelected, true, {s.HotFontColor[0], s.HotFontColor[1]}, {s.FontColor[0]}},
      // Written as normal, then mixed with the menu's background.
      {"disabled", 0, false, {}, {s.FontColor[0], s.HotFontColor[1]}},
  };
  const auto count = [&](const Bitmap24& picture, TColor c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += picture.Pixel(x, y) == c;
    return n;
  };
  for (const auto& row : rows) {
    item->Enabled = row.Enabled;
    const Bitmap24 picture = Draw(*item, r, row.Flags);
    for (const TColor c : row.Shown) EXPECT_GT(count(picture, c), 3) << row.State << " " << c;
    for (const TColor c : row.NotShown) EXPECT_EQ(count(picture, c), 0) << row.State << " " << c;
  }
  // Checked: the CHECK image of GLOBALINFO, whole, beside the caption.
  item->Enabled = true;
  item->Checked = true;
  const Bitmap24 picture = Draw(*item, r, 0);
  const TsMaskData& check = manager_->Masks()[manager_->MaskIndexByNames("GLOBALINFO", "CHECK")];
  const Bitmap24& master = manager_->Records().MasterBitmap;
  const int top = (22 - check.Rect.Height()) / 2;
  int drawn = 0;
  for (int y = 0; y < check.Rect.Height(); ++y) {
    for (int x = 0; x < check.Rect.Width(); ++x) {
      const TColor c = master.Pixel(check.Rect.Left + x, check.Rect.Top + y);
      if (c == clMagenta) continue;
      EXPECT_EQ(picture.Pixel(painter_->Margin + x, top + y), c) << x << "," << y;
      ++drawn;
    }
  }
  EXPECT_GT(drawn, 0);
}

}  // namespace
}  // namespace au
