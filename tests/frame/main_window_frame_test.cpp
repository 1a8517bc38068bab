// The converter's window with its skinned frame, under Wine, driven through
// real non-client messages and read back from the window's device context.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "paint/skin_messages.h"
#include "pixels/bmp_file.h"
#include "pixels/shared_paint_state.h"
#include "skin/elegant_skin.h"
#include "tests/frame/frame_test_support.h"
#include "tests/frame/main_window_fixture.h"
#include "tests/support/gui_driver.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/shown_form.h"
#include "ui/application.h"
#include "ui/canvas.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::ButtonImageOf;
using test::ButtonPixelMatches;
using test::CaptureWindow;
using test::MainWindowFrame;
using test::MenuEntry;
using test::NcHitTest;
using test::NcMouse;
using test::NcMoveTo;
using test::PlatformHitTest;
using test::PumpMessages;
using test::PumpUntil;
using test::ReadMenu;
using test::SkinsFolderOfTheRepository;
using test::WindowSize;

// The first and last column in which two pictures of the same size differ,
// or nothing.
std::optional<std::pair<int, int>> DifferingColumns(const Bitmap24& a, const Bitmap24& b) {
  int first = -1;
  int last = -1;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (first < 0 || x < first) first = x;
      last = std::max(last, x);
    }
  }
  if (first < 0) return std::nullopt;
  return std::make_pair(first, last);
}

bool SamePixels(const Bitmap24& a, const Bitmap24& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() && !DifferingColumns(a, b);
}

TEST_F(MainWindowFrame, ShowsOnlyTheCloseButtonAtTheInnerEdgeOfTheRightBorder) {
  ShowForm();
  const ImageSize size = Manager().Records().StateImageSize(CloseMask());
  EXPECT_EQ(size.Width, 18);
  EXPECT_EQ(size.Height, 19);
  EXPECT_EQ(Provider().TitleBarMasks().Close, CloseMask());  // no small close image in the skin
  ASSERT_TRUE(Close().Placed);
  EXPECT_EQ(Close().Rect.Width(), 18);
  EXPECT_EQ(Close().Rect.Height(), 19);
  EXPECT_EQ(Close().Rect.Right, WindowSize(Wnd()).cx - GetSystemMetrics(SM_CXDLGFRAME));
  for (const int code : {HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
    EXPECT_FALSE(Provider().ButtonOfCode(code)->Placed) << code;
  }
  EXPECT_EQ(Provider().ButtonsWidth(), 18);
  // The platform has no caption buttons of its own left under ours.
  EXPECT_EQ(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);
  ExpectCloseButtonShows(0, 1);
}

TEST_F(MainWindowFrame, TheCloseButtonIsTheOnlyButtonHitArea) {
  ShowForm();
  const SIZE size = WindowSize(Wnd());
  const TRect& r = Close().Rect;
  const auto expected = [&](int x, int y) {
    // Both edges of the button and of the band count.
    if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return HTCLOSE;
    return PlatformHitTest(Wnd(), {x, y});
  };
  int checked = 0;
  int wrong = 0;
  const int titleRows = Provider().Geometry().TitleHeight + 3;
  for (int y = 0; y < size.cy; y += y < titleRows ? 1 : 7) {
    for (int x = 0; x < size.cx; ++x) {
      if (y >= titleRows && x % 7 != 0) continue;
      ++checked;
      if (NcHitTest(Wnd(), {x, y}) != expected(x, y)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << checked;
  EXPECT_EQ(NcHitTest(Wnd(), {100, 10}), HTCAPTION);
  const POINT client = test::ClientOrigin(Wnd());
  EXPECT_EQ(NcHitTest(Wnd(), {client.x + 100, client.y + 100}), HTCLIENT);
  EXPECT_EQ(NcHitTest(Wnd(), CloseCentre()), HTCLOSE);
  EXPECT_EQ(Provider().HotButtonCode(), HTCLOSE);
}

TEST_F(MainWindowFrame, APressMovedOffTheCloseButtonDoesNotClose) {
  ShowForm();
  EXPECT_EQ(NcMoveTo(Wnd(), CloseCentre()), HTCLOSE);
  EXPECT_EQ(Close().State, 1);
  NcMouse(Wnd(), WM_NCLBUTTONDOWN, CloseCentre());
  EXPECT_EQ(Close().State, 2);
  EXPECT_TRUE(ButtonPressed);
  ExpectCloseButtonShows(2, 1);

  EXPECT_EQ(NcMoveTo(Wnd(), {100, 10}), HTCAPTION);
  EXPECT_EQ(Close().State, 0);
  EXPECT_FALSE(ButtonPressed);
  NcMouse(Wnd(), WM_NCLBUTTONUP, {100, 10});
  // Back on the button the press is not resumed: releasing there does nothing.
  NcMoveTo(Wnd(), CloseCentre());
  NcMouse(Wnd(), WM_NCLBUTTONUP, CloseCentre());
  PumpMessages(50);
  EXPECT_TRUE(IsWindowVisible(Wnd()));

  NcMouse(Wnd(), WM_NCLBUTTONDOWN, CloseCentre());
  NcMouse(Wnd(), WM_NCLBUTTONUP, CloseCentre());
  PumpMessages(50);
  EXPECT_FALSE(IsWindowVisible(Wnd()));
  EXPECT_EQ(Provider().HotButtonCode(), 0);
}

TEST_F(MainWindowFrame, MovingFromTheCloseButtonIntoTheClientMakesItNormalAgain) {
  ShowForm();
  NcMoveTo(Wnd(), CloseCentre());
  ExpectCloseButtonShows(1, 1);
  const POINT client = test::ClientOrigin(Wnd());
  EXPECT_EQ(NcMoveTo(Wnd(), {client.x + 200, client.y + 120}), HTCLIENT);
  EXPECT_EQ(Provider().HotButtonCode(), 0);
  EXPECT_EQ(Close().State, 0);
  ExpectCloseButtonShows(0, 1);
}

TEST_F(MainWindowFrame, InactiveTheCloseButtonIsHalfStrengthUntilHot) {
  ShowForm();
  std::unique_ptr<TForm> other(Application()->CreateForm<TForm>());
  other->SetBounds(10, 10, 200, 100);
  other->Show();
  WaitForActive(false);
  ExpectCloseButtonShows(0, 2);
  NcMoveTo(Wnd(), CloseCentre());
  ExpectCloseButtonShows(1, 1);
  NcMoveTo(Wnd(), {100, 10});
  ExpectCloseButtonShows(0, 2);
}

TEST_F(MainWindowFrame, ActivationSwitchesTheLooksWithoutThePlatformCaption) {
  ShowForm();
  const Bitmap24 active = TitleNow();
  std::unique_ptr<TForm> other(Application()->CreateForm<TForm>());
  other->SetBounds(10, 10, 200, 100);
  other->Show();
  WaitForActive(false);
  const Bitmap24 inactive = TitleNow();
  EXPECT_FALSE(SamePixels(active, inactive));
  const auto titleOnScreen = [&] {
    const Bitmap24 shot = CaptureWindow(Wnd());
    Bitmap24 title(shot.Width(), active.Height());
    for (int y = 0; y < title.Height(); ++y)
      std::copy_n(shot.Row(y), 3 * shot.Width(), title.Row(y));
    return title;
  };
  // Only the shape's holes may differ from the cache.
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), shape), ERROR);
  const auto expectScreenIs = [&](const Bitmap24& cache) {
    const Bitmap24 screen = titleOnScreen();
    int wrong = 0;
    for (int y = 0; y < cache.Height(); ++y) {
      for (int x = 0; x < cache.Width(); ++x) {
        if (PtInRegion(shape, x, y) && screen.Pixel(x, y) != cache.Pixel(x, y)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
  };
  expectScreenIs(inactive);

  form_->Show();
  WaitForActive(true);
  EXPECT_TRUE(SamePixels(TitleNow(), active));
  expectScreenIs(active);
  DeleteObject(shape);
}

// Wine activates a window it has just shown, already painted active: the frame
// must not be built again, since that reshapes the window and repaints every
// child.
TEST_F(MainWindowFrame, AnActivationThatChangesNothingRepaintsNoChild) {
  ShowForm();
  PumpMessages(100);
  SendMessageW(Wnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_FALSE(GetUpdateRect(form_->sPanel1->Handle(), nullptr, FALSE));
  EXPECT_FALSE(Provider().SkinData().BackgroundChanged);
}

TEST_F(MainWindowFrame, CaptionStartsAfterTheBorderAndIsCutBeforeTheCloseButton) {
  ShowForm();
  const FrameGeometry g = Provider().Geometry();
  SetCaptionAndPaint("");
  const Bitmap24 empty = TitleNow();
  SetCaptionAndPaint("ANSI");
  const auto shortText = DifferingColumns(empty, TitleNow());
  ASSERT_TRUE(shortText);
  EXPECT_GE(shortText->first, g.BorderWidth + 4);
  EXPECT_LE(shortText->first, g.BorderWidth + 5);

  // The head of a long caption that fits the text box, followed by "...",
  // measured here in the caption's font.
  const std::string caption = "ANSI > UTF-8  ::  UTF-8 > ANSI  ::  v. 1.1";
  const std::string longCaption = caption + "  ::  " + caption + "  ::  " + caption;
  const int boxWidth = (g.Width - Provider().ButtonsWidth() - 6) - (g.BorderWidth + 4);
  TFont font;
  font.Assign(form_->Font());
  font.SetStyle(fsBold);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  font.SetHeight(metrics.lfStatusFont.lfHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  const auto width = [&](const std::string& text) {
    const std::wstring wide = Widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
  };
  ASSERT_GT(width(longCaption), boxWidth);
  std::string expected;
  for (size_t n = longCaption.size(); n > 0 && expected.empty(); --n) {
    if (width(longCaption.substr(0, n) + "...") <= boxWidth)
      expected = longCaption.substr(0, n) + "...";
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ASSERT_FALSE(expected.empty());

  SetCaptionAndPaint(longCaption);
  const Bitmap24 cut = TitleNow();
  // The button looks the same under either caption, so what differs is text,
  // and it ends before the button.
  const auto longText = DifferingColumns(empty, cut);
  ASSERT_TRUE(longText);
  EXPECT_EQ(longText->first, shortText->first);
  EXPECT_LT(longText->second, Close().Rect.Left);
  EXPECT_LE(longText->second, g.Width - Provider().ButtonsWidth() - 6);
  SetCaptionAndPaint(expected);
  EXPECT_TRUE(SamePixels(TitleNow(), cut));
}

// For every pixel of the window's corners: outside the shape exactly where a
// border image's corner is magenta.
TEST_F(MainWindowFrame, TheShapeCutsTheMagentaCornerPixelsOfTheBorderImages) {
  ShowForm();
  const SIZE size = WindowSize(Wnd());
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), shape), ERROR);
  const SkinRecords& records = Manager().Records();
  const int titleMask =
      Manager().MaskIndex(Manager().SectionIndex("FORMTITLE"), "FORMTITLE", "BORDERSMASK");
  const int frameMask = Provider().SkinData().BordersMaskIndex;
  ASSERT_TRUE(Manager().IsValidMaskIndex(titleMask));
  ASSERT_TRUE(Manager().IsValidMaskIndex(frameMask));
  const auto magenta = [&](int mask, int x, int y, bool top) {
    const test::ButtonImage image = ButtonImageOf(Manager(), mask, 0);
    const int left = records.BorderLeft(mask);
    const int right = records.BorderRight(mask);
    const int rows = top ? records.BorderTop(mask) : records.BorderBottom(mask);
    const int windowRow0 = top ? 0 : size.cy - rows;
    if (y < windowRow0 || y >= windowRow0 + rows) return false;
    const int iy = top ? y : image.Height - rows + (y - windowRow0);
    int ix = -1;
    if (x < left) ix = x;
    if (x >= size.cx - right) ix = x - (size.cx - image.Width);
    return ix >= 0 && image.At(ix, iy) == clMagenta;
  };
  int cut = 0;
  int wrong = 0;
  for (int y = 0; y < size.cy; ++y) {
    if (y >= 20 && y < size.cy - 20) continue;
    for (int x = 0; x < size.cx; ++x) {
      if (x >= 50 && x < size.cx - 50) continue;
      const bool hole = magenta(titleMask, x, y, true) || magenta(frameMask, x, y, true) ||
                        magenta(frameMask, x, y, false);
      if (hole) ++cut;
      if ((PtInRegion(shape, x, y) != FALSE) == hole) ++wrong;
    }
  }
  EXPECT_GT(cut, 4);  // the title's rounded corners
  EXPECT_EQ(wrong, 0);
  EXPECT_TRUE(PtInRegion(shape, size.cx / 2, 0));
  EXPECT_TRUE(PtInRegion(shape, size.cx / 2, size.cy - 1));
  DeleteObject(shape);
}

// The internal skin with every magenta pixel of the window's and the title's
// border images painted white.
TsStoredSkin SkinWithSquareCorners() {
  TsStoredSkin skin = ElegantInternalSkin();
  skin.Name = "Square corners";
  std::optional<Bitmap24> master = DecodeBmp(skin.MasterBitmap);
  if (!master) return skin;
  for (const TsSkinImage& image : skin.Images) {
    if (image.PropertyName != "BORDERSMASK") continue;
    if (image.SectionName != "FORMTITLE" && image.SectionName != "EDIT") continue;
    for (int y = std::max(0, image.Top); y < std::min(image.Bottom, master->Height()); ++y) {
      for (int x = std::max(0, image.Left); x < std::min(image.Right, master->Width()); ++x) {
        if (master->Pixel(x, y) == clMagenta) master->SetPixel(x, y, clWhite);
      }
    }
  }
  skin.MasterBitmap = EncodeBmp24(*master);
  return skin;
}

TEST_F(MainWindowFrame, BorderImagesWithoutMagentaLeaveTheWindowRectangular) {
  ShowForm();
  Manager().SetInternalSkins({ElegantInternalSkin(), SkinWithSquareCorners()});
  Manager().SetSkinName("Square corners");
  ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  PumpMessages(50);
  EXPECT_TRUE(Provider().RegionHoles().empty());
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(Wnd(), shape), SIMPLEREGION);
  RECT box;
  GetRgnBox(shape, &box);
  const SIZE size = WindowSize(Wnd());
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, size.cx);
  EXPECT_EQ(box.bottom, size.cy);
  DeleteObject(shape);
}

TEST_F(MainWindowFrame, TheFrameOnScreenIsTheFrameCache) {
  ShowForm();
  const Bitmap24 shot = CaptureWindow(Wnd());
  const Bitmap24& cache = Provider().FrameCache();
  ASSERT_EQ(shot.Width(), cache.Width());
  ASSERT_EQ(shot.Height(), cache.Height());
  const FrameGeometry g = Provider().Geometry();
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), shape), ERROR);
  int compared = 0;
  int wrong = 0;
  HDC window = GetWindowDC(Wnd());
  for (int y = 0; y < cache.Height(); ++y) {
    for (int x = 0; x < cache.Width(); ++x) {
      const bool frame = y < g.TitleHeight || x < g.BorderWidth || x >= g.Width - g.BorderWidth ||
                         y >= g.Height - g.BorderHeight;
      if (!frame || !PtInRegion(shape, x, y)) continue;
      ++compared;
      if (shot.Pixel(x, y) != cache.Pixel(x, y)) ++wrong;
    }
  }
  // A few single pixels straight from the device context as well.
  for (const POINT p : {POINT{g.Width / 2, 5}, POINT{1, g.Height / 2},
                        POINT{g.Width - 2, g.Height - 2}, POINT{20, g.TitleHeight - 1}}) {
    EXPECT_EQ(static_cast<TColor>(GetPixel(window, p.x, p.y)), cache.Pixel(p.x, p.y));
  }
  ReleaseDC(Wnd(), window);
  DeleteObject(shape);
  EXPECT_GT(compared, g.Width * g.TitleHeight / 2);
  EXPECT_EQ(wrong, 0);
}

TEST_F(MainWindowFrame, TheCacheRequestIsAnsweredWithTheFrameAndTheClientOffset) {
  ShowForm();
  CacheInfo = TCacheInfo{};
  SendMessageW(Wnd(), SM_ALPHACMD, SkinCommandParam(SK_GETCACHE), 0);
  ASSERT_TRUE(CacheInfo.Ready);
  EXPECT_EQ(CacheInfo.Bitmap, &Provider().FrameCache());
  const POINT client = test::ClientOrigin(Wnd());
  EXPECT_EQ(CacheInfo.X, client.x);
  EXPECT_EQ(CacheInfo.Y, client.y);
  EXPECT_EQ(CacheInfo.X, GetSystemMetrics(SM_CXDLGFRAME));
  // The status bar sits on the frame's picture at its own place.
  EXPECT_EQ(reinterpret_cast<TComponent*>(
                SendMessageW(Wnd(), SM_ALPHACMD, SkinCommandParam(SK_GETPROVIDER), 0)),
            &Provider());
}

void ExpectDialogSystemMenu(const std::vector<MenuEntry>& items) {
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].Text, L"Available skins");
  EXPECT_NE(items[0].SubMenu, nullptr);
  EXPECT_TRUE(items[1].Separator);
  EXPECT_EQ(items[2].Text, L"Move");
  EXPECT_TRUE(items[3].Separator);
  EXPECT_EQ(items[4].Text, L"Close\tAlt+F4");
}

TEST_F(MainWindowFrame, TheDialogsSystemMenuListsTheSkinsMoveAndClose) {
  ShowForm();
  // No skin folders: the start script installs the shipped ones into c:\Skins.
  const test::TempFolder noSkins;
  Manager().SetSkinDirectory(Narrow(noSkins.Path()));
  TsSystemMenu& menu = *Provider().SystemMenu();
  // Twice: the skin list is replaced, not added to.
  menu.UpdateSkinItems();
  menu.UpdateSkinItems();
  const std::vector<MenuEntry> items = ReadMenu(menu.Handle());
  ExpectDialogSystemMenu(items);
  const std::vector<MenuEntry> skins = ReadMenu(items[0].SubMenu);
  ASSERT_EQ(skins.size(), 1u);
  EXPECT_EQ(skins[0].Text, L"Elegant (internal)");
  EXPECT_TRUE(skins[0].Checked);
  EXPECT_TRUE(skins[0].Radio);
  EXPECT_TRUE(menu.ItemMove->Enabled);
  EXPECT_TRUE(menu.ItemClose->Enabled);
}

// Looks at the menu window on screen from inside the menu's own loop, then
// closes it.
std::vector<MenuEntry> gShownMenu;
bool gMenuWindowSeen = false;
void CALLBACK InspectShownMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (menuWindow != nullptr && IsWindowVisible(menuWindow)) {
    gMenuWindowSeen = true;
    auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    if (menu != nullptr) gShownMenu = ReadMenu(menu);
  }
  EndMenu();
}

TEST_F(MainWindowFrame, ARightClickOnTheTitleShowsTheSystemMenu) {
  ShowForm();
  gShownMenu.clear();
  gMenuWindowSeen = false;
  SetTimer(nullptr, 0, 200, &InspectShownMenu);
  NcMouse(Wnd(), WM_NCRBUTTONDOWN, {100, 10});
  NcMouse(Wnd(), WM_NCRBUTTONUP, {100, 10});  // returns once the menu has closed
  EXPECT_TRUE(gMenuWindowSeen);
  ExpectDialogSystemMenu(gShownMenu);
  PumpMessages(50);
  EXPECT_TRUE(IsWindowVisible(Wnd()));
}

class SkinListFrame : public MainWindowFrame {
 protected:
  // 44 skin folders and the internal skin: 45 names.
  void MakeSkinFolders() {
    for (int i = 0; i < 44; ++i) {
      wchar_t name[16];
      swprintf(name, 16, L"Skin%02d", i);
      const std::wstring folder = skins_.File(name);
      CreateDirectoryW(folder.c_str(), nullptr);
      test::WriteBytes(folder + L"\\Options.dat", "");
    }
    // Folders without an options file, and hidden ones, are no skins.
    CreateDirectoryW(skins_.File(L"NoOptions").c_str(), nullptr);
    CreateDirectoryW(skins_.File(L".hidden").c_str(), nullptr);
    test::WriteBytes(skins_.File(L".hidden") + L"\\Options.dat", "");
    Manager().SetSkinDirectory(Narrow(skins_.Path()));
  }
  test::TempFolder skins_;
};

TEST_F(SkinListFrame, FortyFiveSkinsMakeThreeColumnsOfTwentyTwentyAndFive) {
  ShowForm();
  MakeSkinFolders();
  TsSystemMenu& menu = *Provider().SystemMenu();
  menu.UpdateSkinItems();
  const std::vector<MenuEntry> items = ReadMenu(menu.Handle());
  ASSERT_FALSE(items.empty());
  const std::vector<MenuEntry> skins = ReadMenu(items[0].SubMenu);
  ASSERT_EQ(skins.size(), 45u);
  std::vector<int> columns{0};
  for (const MenuEntry& skin : skins) {
    if (skin.NewColumn) columns.push_back(0);
    ++columns.back();
    EXPECT_TRUE(skin.Radio);
    EXPECT_EQ(skin.Checked, skin.Text == L"Elegant (internal)") << Narrow(skin.Text);
  }
  EXPECT_EQ(columns, (std::vector<int>{20, 20, 5}));
  EXPECT_EQ(skins[0].Text, L"Elegant (internal)");  // sorted: "E" before "S"
  EXPECT_EQ(skins[44].Text, L"Skin43");
}

TEST_F(SkinListFrame, ChoosingASkinSetsTheSkinNameAndTheFrameFollows) {
  ShowForm();
  MakeSkinFolders();
  TsSystemMenu& menu = *Provider().SystemMenu();
  menu.UpdateSkinItems();
  TMenuItem* list = menu.Items().Find(kSkinSelectItemName);
  ASSERT_NE(list, nullptr);
  TMenuItem* skin = list->Find("SkinSelectItem8");
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Caption, "Skin07");
  skin->Click();
  EXPECT_EQ(Manager().SkinName(), "Skin07");
  // An empty skin has nothing for the frame: the platform's frame comes back.
  PumpMessages(50);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Wnd(), shape), ERROR);
  EXPECT_NE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);

  menu.UpdateSkinItems();
  list = menu.Items().Find(kSkinSelectItemName);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->Find("SkinSelectItem8")->Checked);
  EXPECT_FALSE(list->Find("SkinSelectItem0")->Checked);
  list->Find("SkinSelectItem0")->Click();
  EXPECT_EQ(Manager().SkinName(), "Elegant (internal)");
  ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  PumpMessages(50);
  EXPECT_NE(GetWindowRgn(Wnd(), shape), ERROR);
  EXPECT_EQ(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU, 0);
  DeleteObject(shape);
}

// skins/Elegant is the built-in skin written out by the skin kit: read back
// from the folder it paints every pixel of the window as the built-in skin.
// Both pictures are taken after a change of skin: the speed buttons' very
// first paint differs from their later ones in their top rows and corners.
TEST_F(MainWindowFrame, TheBuiltInSkinFromItsFolderPaintsEveryPixelAlike) {
  SetCursorPos(0, 0);  // no button under the mouse
  ShowForm();
  HideCaret(nullptr);  // the memo's caret blinks
  const auto shotIn = [&](const char* skin) {
    Manager().SetSkinName(skin);
    WaitForActive(true);
    PumpMessages(200);
    return CaptureWindow(Wnd());
  };
  Manager().SetSkinDirectory(SkinsFolderOfTheRepository());
  const Bitmap24 folder = shotIn("Elegant");
  ASSERT_FALSE(Manager().SkinData().SkinPath.empty()) << "the folder was not loaded";
  const Bitmap24 builtIn = shotIn(kElegantSkinName);
  ASSERT_TRUE(Manager().SkinData().SkinPath.empty());
  EXPECT_TRUE(SamePixels(builtIn, folder));
  // The window shows its controls, not just the frame.
  const POINT client = test::ClientOrigin(Wnd());
  const RECT memo = form_->sMemo1->BoundsRect();
  EXPECT_NE(folder.Pixel(client.x + memo.left, client.y + memo.top + 20),
            folder.Pixel(client.x + memo.left + 20, client.y + memo.top + 20));
}

TEST_F(SkinListFrame, AChosenSkinThatCannotBeLoadedIsNamedOnceAndTheSkinOnShowStaysWhole) {
  ShowForm();
  MakeSkinFolders();
  // A description with "#" reads as an image entry whose corners are no numbers.
  test::WriteBytes(skins_.File(L"Skin03") + L"\\Options.dat",
                   "[GLOBALINFO]\r\nDESCRIPTION=Skin #2\r\n");
  const std::size_t sections = Manager().Sections().size();
  const std::size_t masks = Manager().Masks().size();
  TsSystemMenu& menu = *Provider().SystemMenu();
  menu.UpdateSkinItems();
  TMenuItem* skin = menu.Items().Find(kSkinSelectItemName)->Find("SkinSelectItem4");
  ASSERT_NE(skin, nullptr);
  ASSERT_EQ(skin->Caption, "Skin03");
  std::vector<test::MessageBoxCatcher::Box> boxes;
  {
    test::MessageBoxCatcher catcher;
    skin->Click();
    PumpMessages(50);
    boxes = catcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].Caption, Widen(Application()->Title()));
  for (const wchar_t* part : {L"\"Skin03\"", L"Options.dat", L"[GLOBALINFO]", L"DESCRIPTION",
                              L"\"Elegant (internal)\" stays"})
    EXPECT_NE(boxes[0].Text.find(part), std::wstring::npos) << Narrow(boxes[0].Text);
  EXPECT_EQ(Manager().SkinName(), "Elegant (internal)");
  EXPECT_EQ(Manager().Sections().size(), sections);
  EXPECT_EQ(Manager().Masks().size(), masks);
  EXPECT_TRUE(Manager().SkinData().SkinActive);
  PumpMessages(50);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(Wnd(), shape), ERROR);  // still the skin's frame
  DeleteObject(shape);
}

TEST_F(MainWindowFrame, AltF4StillClosesTheWindow) {
  ShowForm();
  // Alt held: bit 29 of the key data.
  SendMessageW(Wnd(), WM_SYSKEYDOWN, VK_F4, 0x20000001);
  PumpMessages(100);
  EXPECT_FALSE(IsWindowVisible(Wnd()));
}

}  // namespace
}  // namespace au
