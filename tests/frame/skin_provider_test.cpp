// A skin provider on plain forms of each border style: the buttons it lays
// out and answers for, user title buttons, the size grip, and giving the
// platform's frame back when the skin or the provider goes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/ts_panel.h"
#include "controls/ts_speed_button.h"
#include "frame/skin_provider.h"
#include "paint/skin_messages.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "tests/frame/frame_test_support.h"
#include "tests/support/gui_driver.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/shown_form.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::NcHitTest;
using test::NcMouse;
using test::NcMoveTo;
using test::PlatformHitTest;
using test::PumpMessages;
using test::PumpUntil;
using test::WindowSize;

// The title of a system menu item, read back from the platform.
std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

// The position of the item with this title, or -1.
int FindMenuItem(HMENU menu, const std::wstring& text) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (MenuText(menu, i) == text) return i;
  }
  return -1;
}

bool MenuItemChecked(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

class SkinnedForm : public testing::Test {
 protected:
  SkinnedForm() : form_(Application()->CreateForm<TForm>()) {
    form_->SetClientSize(400, 250);
    form_->SetCaption("Skinned");
    manager_ = new TsSkinManager(form_.get());
    manager_->SetInternalSkins({ElegantInternalSkin()});
    manager_->SetSkinName(kElegantSkinName);
  }
  ~SkinnedForm() override { SetCursorPos(0, 0); }

  void MakeProvider(TFormBorderStyle style) {
    form_->SetBorderStyle(style);
    provider_ = new TsSkinProvider(form_.get());
  }
  void ShowForm() {
    form_->Show();
    ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
    PumpMessages(50);
  }
  bool FrameReady() {
    return IsWindowVisible(Wnd()) && !provider_->SkinData().BackgroundChanged &&
           !provider_->FrameCache().Empty();
  }
  HWND Wnd() { return form_->Handle(); }
  POINT CentreOf(int code) {
    const TRect& r = provider_->ButtonOfCode(code)->Rect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  int GlobalMask(const char* property) {
    return manager_->MaskIndex(manager_->SectionIndex("GLOBALINFO"), "GLOBALINFO", property);
  }
  bool HasShape() {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(Wnd(), shape) != ERROR;
    DeleteObject(shape);
    return has;
  }
  bool PlatformSystemMenu() { return (GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_SYSMENU) != 0; }

  std::unique_ptr<TForm> form_;
  TsSkinManager* manager_ = nullptr;
  TsSkinProvider* provider_ = nullptr;
};

TEST_F(SkinnedForm, ASizeableFrameHasCloseMaximiseAndMinimiseFromTheRight) {
  MakeProvider(TFormBorderStyle::bsSizeable);
  ShowForm();
  const TsCaptionButton& close = *provider_->ButtonOfCode(HTCLOSE);
  const TsCaptionButton& maximize = *provider_->ButtonOfCode(HTMAXBUTTON);
  const TsCaptionButton& minimize = *provider_->ButtonOfCode(HTMINBUTTON);
  ASSERT_TRUE(close.Placed && maximize.Placed && minimize.Placed);
  EXPECT_FALSE(provider_->ButtonOfCode(HTHELP)->Placed);
  // A sizeable frame takes the big images.
  EXPECT_EQ(maximize.MaskIndex, GlobalMask("BICONMAX"));
  EXPECT_EQ(minimize.MaskIndex, GlobalMask("BICONMIN"));
  EXPECT_EQ(close.Rect.Right, WindowSize(Wnd()).cx - GetSystemMetrics(SM_CXFRAME));
  EXPECT_EQ(maximize.Rect.Right, close.Rect.Left);
  EXPECT_EQ(minimize.Rect.Right, maximize.Rect.Left);
  EXPECT_EQ(provider_->ButtonsWidth(), close.Rect.Right - minimize.Rect.Left);
  EXPECT_EQ(NcHitTest(Wnd(), CentreOf(HTCLOSE)), HTCLOSE);
  EXPECT_EQ(NcHitTest(Wnd(), CentreOf(HTMAXBUTTON)), HTMAXBUTTON);
  EXPECT_EQ(NcHitTest(Wnd(), CentreOf(HTMINBUTTON)), HTMINBUTTON);
  // The icon area opens the system menu.
  const FrameGeometry g = provider_->Geometry();
  ASSERT_TRUE(g.IconShown);
  EXPECT_EQ(NcHitTest(Wnd(), {g.BorderWidth + 2, CentreOf(HTCLOSE).y}), HTSYSMENU);
  EXPECT_EQ(provider_->HotButtonCode(), HTSYSMENU);
  EXPECT_EQ(NcHitTest(Wnd(), {g.Width / 2, CentreOf(HTCLOSE).y}), HTCAPTION);
  EXPECT_EQ(provider_->HotButtonCode(), 0);

  // Maximised, the button shows the restore image and restores.
  NcMouse(Wnd(), WM_NCLBUTTONDOWN, CentreOf(HTMAXBUTTON));
  EXPECT_EQ(maximize.State, 2);
  NcMouse(Wnd(), WM_NCLBUTTONUP, CentreOf(HTMAXBUTTON));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) && FrameReady(); }));
  EXPECT_EQ(provider_->ButtonOfCode(HTMAXBUTTON)->State, 0);
  EXPECT_FALSE(provider_->SystemMenu()->ItemMaximize->Enabled);
  EXPECT_TRUE(provider_->SystemMenu()->ItemRestore->Enabled);
  NcMouse(Wnd(), WM_NCLBUTTONDOWN, CentreOf(HTMAXBUTTON));
  NcMouse(Wnd(), WM_NCLBUTTONUP, CentreOf(HTMAXBUTTON));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(Wnd()) && FrameReady(); }));
  EXPECT_TRUE(provider_->SystemMenu()->ItemMaximize->Enabled);
}

TEST_F(SkinnedForm, ABorderlessWindowGetsNoTitleButtonsOrAnswersOfItsOwn) {
  MakeProvider(TFormBorderStyle::bsNone);
  ShowForm();
  for (const int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
    EXPECT_FALSE(provider_->ButtonOfCode(code)->Placed);
  }
  EXPECT_FALSE(HasShape());
  const SIZE size = WindowSize(Wnd());
  int wrong = 0;
  for (int y = 0; y < size.cy; y += 5) {
    for (int x = 0; x < size.cx; x += 5) {
      if (NcHitTest(Wnd(), {x, y}) != PlatformHitTest(Wnd(), {x, y})) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

Bitmap24 SolidGlyph(int width, int height, TColor colour, TColor key) {
  Bitmap24 glyph(width, height);
  glyph.Fill(colour);
  glyph.SetPixel(0, height - 1, key);  // the transparent colour
  return glyph;
}

TEST_F(SkinnedForm, UserTitleButtonsStandLeftOfTheSystemButtons) {
  MakeProvider(TFormBorderStyle::bsDialog);
  TsTitleButton& button = provider_->TitleButtons().Add();
  button.SetGlyph(SolidGlyph(10, 10, MakeColor(200, 0, 0), MakeColor(0, 200, 0)));
  std::vector<POINT> downs;
  std::vector<POINT> ups;
  button.OnMouseDown = [&](TsTitleButton&, TMouseButton b, TShiftState shift, int x, int y) {
    EXPECT_EQ(b, TMouseButton::mbLeft);
    EXPECT_EQ(shift, 0u);
    downs.push_back({x, y});
  };
  button.OnMouseUp = [&](TsTitleButton&, TMouseButton, TShiftState, int x, int y) {
    ups.push_back({x, y});
  };
  ShowForm();
  const TsCaptionButton& user = button.Button;
  const TsCaptionButton& close = *provider_->ButtonOfCode(HTCLOSE);
  ASSERT_TRUE(user.Placed);
  EXPECT_EQ(user.Rect.Right, close.Rect.Left);
  // As wide as the skin's title button image, which is wider than the glyph.
  EXPECT_EQ(user.Rect.Width(), manager_->Records().StateImageSize(GlobalMask("TITLEBUTTON")).Width);
  const POINT centre = CentreOf(kUserButtonCode);
  // The glyph is drawn centred, without its transparent colour.
  const Bitmap24& cache = provider_->FrameCache();
  const int glyphLeft = user.Rect.Left + (user.Rect.Width() - 10) / 2;
  const int glyphTop = user.Rect.Top + (user.Rect.Height() - 10) / 2;
  EXPECT_EQ(cache.Pixel(glyphLeft + 5, glyphTop + 5), MakeColor(200, 0, 0));
  EXPECT_NE(cache.Pixel(glyphLeft, glyphTop + 9), MakeColor(0, 200, 0));

  EXPECT_EQ(NcMouse(Wnd(), WM_NCLBUTTONDOWN, centre), kUserButtonCode);
  EXPECT_EQ(user.State, 2);
  // Pressed, the glyph moves a pixel right and down.
  EXPECT_EQ(cache.Pixel(glyphLeft + 10, glyphTop + 10), MakeColor(200, 0, 0));
  NcMouse(Wnd(), WM_NCLBUTTONUP, centre);
  const POINT screen = test::ScreenPoint(Wnd(), centre);
  ASSERT_EQ(downs.size(), 1u);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(downs[0].x, screen.x);
  EXPECT_EQ(downs[0].y, screen.y);
  EXPECT_EQ(ups[0].x, screen.x);
  EXPECT_EQ(provider_->HotButtonCode(), 0);

  // A disabled user button is part of the caption.
  button.SetEnabled(false);
  ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  EXPECT_EQ(NcHitTest(Wnd(), centre), HTCAPTION);
  EXPECT_EQ(provider_->HotButtonCode(), 0);
}

TEST_F(SkinnedForm, TheSizeGripAnswersAsTheBottomRightCorner) {
  MakeProvider(TFormBorderStyle::bsSizeable);
  provider_->SetGripMode(TGripMode::gmRightBottom);
  ShowForm();
  const FrameGeometry g = provider_->Geometry();
  const ImageSize grip = manager_->Records().StateImageSize(GlobalMask("GRIPIMAGE"));
  ASSERT_GT(grip.Width, 0);
  const POINT inside{g.Width - g.BorderWidth - 2, g.Height - g.BorderHeight - 2};
  EXPECT_EQ(NcHitTest(Wnd(), inside), HTBOTTOMRIGHT);
  const POINT left{g.Width - g.BorderWidth - grip.Width - 1, g.Height - g.BorderHeight - 2};
  EXPECT_EQ(NcHitTest(Wnd(), left), PlatformHitTest(Wnd(), left));
}

TEST_F(SkinnedForm, ACaptionChangeKeepsTheWholeShapeAndShowsTheNewCaption) {
  // The window section "FORM" keeps a copy of its title strip, so a caption
  // change repaints only the title.
  MakeProvider(TFormBorderStyle::bsSingle);
  ShowForm();
  const Bitmap24 before = provider_->FrameCache().Clone();
  form_->SetCaption("A caption of another length");
  ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  PumpMessages(50);
  const Bitmap24 shot = test::CaptureWindow(Wnd());
  const Bitmap24& cache = provider_->FrameCache();
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Wnd(), shape), ERROR);
  const FrameGeometry g = provider_->Geometry();
  int titleChanged = 0;
  int wrong = 0;
  for (int y = 0; y < g.TitleHeight; ++y) {
    for (int x = 0; x < g.Width; ++x) {
      if (cache.Pixel(x, y) != before.Pixel(x, y)) ++titleChanged;
      if (x >= 20 && x < g.Width - 20 && !PtInRegion(shape, x, y)) ++wrong;  // no cut title
      if (PtInRegion(shape, x, y) && shot.Pixel(x, y) != cache.Pixel(x, y)) ++wrong;
    }
  }
  DeleteObject(shape);
  EXPECT_GT(titleChanged, 0);
  EXPECT_EQ(wrong, 0);
}

TEST_F(SkinnedForm, LosingTheSkinGivesThePlatformFrameBackAndTakingItAgainHidesIt) {
  MakeProvider(TFormBorderStyle::bsDialog);
  ShowForm();
  EXPECT_TRUE(HasShape());
  EXPECT_FALSE(PlatformSystemMenu());
  // A manager without a skin: the frame is told directly.
  auto* bare = new TsSkinManager(form_.get());
  provider_->SkinData().SetSkinManager(bare);
  PumpMessages(50);
  EXPECT_FALSE(provider_->SkinData().IsSkinned());
  EXPECT_FALSE(HasShape());
  EXPECT_TRUE(PlatformSystemMenu());
  const POINT title{60, 10};
  EXPECT_EQ(NcHitTest(Wnd(), title), PlatformHitTest(Wnd(), title));

  provider_->SkinData().SetSkinManager(manager_);  // the default manager, followed again
  ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  PumpMessages(50);
  EXPECT_TRUE(provider_->SkinData().IsSkinned());
  EXPECT_TRUE(HasShape());
  EXPECT_FALSE(PlatformSystemMenu());
}

TEST_F(SkinnedForm, ARemovedProviderLeavesThePlatformFrameAndHandlerInPlace) {
  MakeProvider(TFormBorderStyle::bsDialog);
  ShowForm();
  delete provider_;
  provider_ = nullptr;
  PumpMessages(50);
  EXPECT_FALSE(HasShape());
  EXPECT_TRUE(PlatformSystemMenu());
  // The form's own handler answers again.
  const POINT title{60, 10};
  EXPECT_EQ(NcHitTest(Wnd(), title), PlatformHitTest(Wnd(), title));
  form_->SetCaption("still working");
  EXPECT_EQ(form_->Caption(), "still working");
}

TEST_F(SkinnedForm, SystemColoursOfASkinArePaintedAndAnsweredAsTheSystemShowsThem) {
  // -16777201 is how a skin writes the system's button-face colour.
  manager_->SetCommonSections({"[SYSFACE]", "COLOR=-16777201", "[SYSHOT]", "COLOR=255",
                               "HOTCOLOR=-16777201", "[SYSGLASS]", "COLOR=-16777201",
                               "TRANSPARENCY=50", "[SYSGRADIENT]", "GRADIENTPERCENT=100",
                               "GRADIENTDATA=-16777201;-16777201;100;0;0", "[SYSFRAME]",
                               "COLOR=12632256", "HOTCOLOR=-16777201"});
  MakeProvider(TFormBorderStyle::bsDialog);
  provider_->SkinData().SetSkinSection("SYSFRAME");
  const auto place = [&](TControl* control, TWinControl* parent, RECT bounds, TsCommonData& data,
                         const char* section) {
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    data.SetSkinSection(section);
  };
  auto* face = new TsPanel(form_.get());
  place(face, form_.get(), {0, 0, 100, 100}, face->SkinData(), "SYSFACE");
  auto* glass = new TsPanel(form_.get());
  place(glass, form_.get(), {100, 0, 100, 100}, glass->SkinData(), "SYSGLASS");
  auto* gradient = new TsPanel(form_.get());
  place(gradient, form_.get(), {200, 0, 100, 100}, gradient->SkinData(), "SYSGRADIENT");
  auto* button = new TsSpeedButton(form_.get());
  place(button, face, {10, 10, 60, 22}, button->SkinData(), "SYSHOT");
  ShowForm();
  test::MoveMouseTo(*button, 5, 5);
  PumpMessages(500);
  ASSERT_TRUE(button->SkinData().IsHotState());

  const TColor buttonFace = ResolveColor(clBtnFace);
  const struct {
    const char* What;
    TColor Got;
  } rows[] = {
      {"a panel's colour", face->SkinData().CacheBitmap->Pixel(80, 80)},
      {"a gradient's colours", gradient->SkinData().CacheBitmap->Pixel(50, 50)},
      {"a button's hot colour", button->SkinData().CacheBitmap->Pixel(30, 11)},
      {"a panel's answer", GetBgColorOf(face)},
      {"the frame's answer", GetBgColorOf(form_.get())},
      {"a half transparent panel's answer over the frame", GetBgColorOf(glass)},
  };
  for (const auto& row : rows) EXPECT_EQ(row.Got, buttonFace) << row.What;
}

TEST_F(SkinnedForm, WithoutTheSkinnedFrameThePlatformsSystemMenuListsTheSkins) {
  // A skin with nothing for the window: the platform's frame comes back.
  TsStoredSkin bare;
  bare.Name = "Bare";
  TsSkinGeneral panel;
  panel.SectionName = "PANEL";
  bare.GeneralData = {panel};
  manager_->SetInternalSkins({ElegantInternalSkin(), bare});
  // No skin folders: the start script installs the shipped ones into c:\Skins.
  const test::TempFolder noSkins;
  manager_->SetSkinDirectory(Narrow(noSkins.Path()));
  MakeProvider(TFormBorderStyle::bsDialog);
  ShowForm();
  manager_->SetSkinName("Bare");
  PumpMessages(50);
  ASSERT_FALSE(provider_->SkinData().IsSkinned());
  ASSERT_TRUE(PlatformSystemMenu());

  // The platform's system menu is about to show.
  const auto opening = [&] {
    HMENU system = GetSystemMenu(Wnd(), FALSE);
    SendMessageW(Wnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system), MAKELPARAM(0, TRUE));
    return system;
  };
  HMENU system = opening();
  ASSERT_EQ(FindMenuItem(system, L"Available skins"), 0);
  EXPECT_EQ(GetMenuState(system, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  HMENU skins = GetSubMenu(system, 0);
  ASSERT_NE(skins, nullptr);
  ASSERT_EQ(GetMenuItemCount(skins), 2);
  EXPECT_EQ(MenuText(skins, 0), L"Bare");
  EXPECT_EQ(MenuText(skins, 1), L"Elegant (internal)");
  EXPECT_TRUE(MenuItemChecked(skins, 0));
  EXPECT_FALSE(MenuItemChecked(skins, 1));
  // Its own opening, as a sub-menu of the system menu, leaves it in place.
  SendMessageW(Wnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(skins), MAKELPARAM(0, TRUE));
  EXPECT_EQ(GetSubMenu(system, 0), skins);
  // Shown again, the list is made anew rather than added twice.
  const int items = GetMenuItemCount(system);
  system = opening();
  EXPECT_EQ(GetMenuItemCount(system), items);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(system, 0)), 2);

  // Choosing a skin there takes it, whether the platform reports the choice
  // as a system command or, from the sub-menu, as a plain command; with the
  // skinned frame the list leaves the platform's menu.
  for (const UINT message : {WM_SYSCOMMAND, WM_COMMAND}) {
    SCOPED_TRACE(message);
    manager_->SetSkinName("Bare");
    PumpMessages(50);
    system = opening();
    SendMessageW(Wnd(), message, GetMenuItemID(GetSubMenu(system, 0), 1), 0);
    EXPECT_EQ(manager_->SkinName(), kElegantSkinName);
    ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
    EXPECT_TRUE(provider_->SkinData().IsSkinned());
    EXPECT_EQ(FindMenuItem(GetSystemMenu(Wnd(), FALSE), L"Available skins"), -1);
  }

  // A skin there that cannot be loaded is named in one message box, as from
  // the skinned menu, and the skin on show stays.
  manager_->SetSkinName("Bare");
  PumpMessages(50);
  CreateDirectoryW(noSkins.File(L"Broken").c_str(), nullptr);
  test::WriteBytes(noSkins.File(L"Broken\\Options.dat"), "[GLOBALINFO]\r\nDESCRIPTION=Skin #2\r\n");
  skins = GetSubMenu(opening(), 0);
  const int broken = FindMenuItem(skins, L"Broken");
  ASSERT_GE(broken, 0);
  test::MessageBoxCatcher boxes;
  SendMessageW(Wnd(), WM_SYSCOMMAND, GetMenuItemID(skins, broken), 0);
  PumpMessages(50);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_NE(boxes.Boxes()[0].Text.find(L"\"Broken\""), std::wstring::npos);
  EXPECT_EQ(manager_->SkinName(), "Bare");
}

}  // namespace
}  // namespace au
