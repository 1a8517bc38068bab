// Skinned menus on screen: the frame's system menu and an application pop-up
// menu shown by the platform, their windows read back while they are open.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "frame/skin_provider.h"
#include "menus/open_menu.h"
#include "menus/ts_skinable_menus.h"
#include "pixels/bmp_file.h"
#include "tests/menus/menu_test_support.h"
#include "tests/support/gui_driver.h"
#include "tests/support/temp_folder.h"
#include "ui/canvas.h"
#include "ui/wide_text.h"

namespace au {
namespace {

// What a test does while the menu is open; run from a timer inside the
// menu's loop, which then closes the menu.
std::function<void(HWND menuWindow)> gWhileOpen;
int gStepsLeft = 0;

BOOL CALLBACK FindOpenMenu(HWND wnd, LPARAM data) {
  wchar_t name[16] = {};
  GetClassNameW(wnd, name, 16);
  if (!IsWindowVisible(wnd) || lstrcmpW(name, L"#32768") != 0) return TRUE;
  *reinterpret_cast<HWND*>(data) = wnd;
  return FALSE;
}

HWND OpenMenuWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindOpenMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menu = OpenMenuWindow();
  if (menu != nullptr && gWhileOpen) gWhileOpen(menu);
  if (menu != nullptr && --gStepsLeft > 0) {
    SetTimer(nullptr, 0, 150, &WhileOpen);
    return;
  }
  EndMenu();
}

// Runs `step` on the open menu `steps` times, then closes it.
void OnOpenMenu(int steps, std::function<void(HWND)> step) {
  gWhileOpen = std::move(step);
  gStepsLeft = steps;
  SetTimer(nullptr, 0, 300, &WhileOpen);
}

// The whole menu window as its device shows it.
Bitmap24 CaptureMenu(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  Bitmap24 shot(r.right - r.left, r.bottom - r.top);
  TBitmapCanvas canvas(shot);
  WindowDc window(wnd, true);
  BitBlt(canvas.Handle(), 0, 0, shot.Width(), shot.Height(), window.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  return shot;
}

void SaveForReview(const Bitmap24& shot, const char* name) {
  const std::vector<std::uint8_t> bytes = EncodeBmp24(shot);
  const std::string path = std::string("Z:\\tmp\\") + name;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

class SkinnedMenuWindow : public test::SkinnedMenuTest {
 protected:
  ~SkinnedMenuWindow() override {
    gWhileOpen = nullptr;
    ResetOpenMenu();
  }
  void ShowSkinnedForm() {
    form_->SetBorderStyle(TFormBorderStyle::bsDialog);
    provider_ = new TsSkinProvider(form_.get());
    form_->Show();
    // As after a stored layout: the manager applies its skin once more, and
    // the frame takes the menus with it.
    manager_->ApplySkinToWindows();
    test::PumpMessages(200);
  }
  TsSkinProvider* provider_ = nullptr;
};

struct OpenMenuShot {
  Bitmap24 Window;
  Bitmap24 Background;
  RECT Item{};  // the rectangle of the item drawn last, window coordinates
  bool Shaped = false;
  std::vector<TRect> Holes;
};

TEST_F(SkinnedMenuWindow, TheSystemMenuIsDrawnFromTheMenuBackground) {
  ShowSkinnedForm();
  ASSERT_TRUE(painter_->Active());  // the frame followed the skin
  OpenMenuShot normal, hot;
  const auto take = [&](OpenMenuShot& shot) {
    return [&](HWND wnd) {
      shot.Window = CaptureMenu(wnd);
      ASSERT_TRUE(OpenMenu().MenuBackground);
      shot.Background = OpenMenu().MenuBackground->Clone();
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      shot.Shaped = GetWindowRgn(wnd, region) != ERROR;
      DeleteObject(region);
      shot.Holes = painter_->CornerHoles();
    };
  };
  int step = 0;
  OnOpenMenu(3, [&](HWND wnd) {
    if (step == 0) take(normal)(wnd);
    if (step == 0) PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);  // onto "Available skins"
    if (step == 1) PostMessageW(wnd, WM_KEYDOWN, VK_DOWN, 0);  // onto "Move"
    if (step == 2) take(hot)(wnd);
    ++step;
  });
  provider_->PopupSystemMenu(100, 100);
  ASSERT_EQ(step, 3);
  SaveForReview(hot.Window, "skinned_system_menu.bmp");

  const Bitmap24& shot = normal.Window;
  const Bitmap24& background = normal.Background;
  ASSERT_EQ(shot.Width(), background.Width());
  ASSERT_EQ(shot.Height(), background.Height());
  // The skin's menu colour, not the platform's.
  EXPECT_NE(background.Pixel(background.Width() / 2, background.Height() / 2),
            static_cast<TColor>(GetSysColor(COLOR_MENU)));

  // Where nothing is written (right of the items' texts, dividers and the
  // platform's sub-menu arrow), the transparent MENUITEM section shows the
  // background at the very same place, and so does every frame strip.
  int compared = 0;
  for (int y = 0; y < shot.Height(); ++y) {
    for (const int x : {1, shot.Width() - 2, shot.Width() - 5}) {
      ASSERT_EQ(shot.Pixel(x, y), background.Pixel(x, y)) << x << "," << y;
      ++compared;
    }
  }
  for (int x = 0; x < shot.Width(); ++x) {
    ASSERT_EQ(shot.Pixel(x, 1), background.Pixel(x, 1)) << x;
    ASSERT_EQ(shot.Pixel(x, shot.Height() - 2), background.Pixel(x, shot.Height() - 2)) << x;
  }
  EXPECT_GT(compared, 100);
  // The internal skin's menu border has no transparent corners: the window
  // keeps its rectangle and its frame is painted instead.
  EXPECT_TRUE(normal.Holes.empty());
  EXPECT_FALSE(normal.Shaped);

  // The selected item takes the hot look; the rows of the other items keep theirs.
  int changed = 0;
  for (int y = 0; y < shot.Height(); ++y) {
    if (hot.Window.Pixel(shot.Width() - 5, y) != shot.Pixel(shot.Width() - 5, y)) ++changed;
  }
  EXPECT_GT(changed, 10);
  EXPECT_LT(changed, shot.Height() / 2);
}

TEST_F(SkinnedMenuWindow, AnApplicationPopupIsSkinnedWithSkinnedPopups) {
  ShowSkinnedForm();
  auto* popup = new TPopupMenu(form_.get());
  // Handed over when the frame follows the next repaint.
  painter_->SetActive(false);
  manager_->RepaintAllWindows();
  ASSERT_TRUE(popup->OwnerDraw);
  popup->Items().Add(std::make_unique<TMenuItem>("one", "One"));
  popup->Items().Add(std::make_unique<TMenuItem>("", "-"));
  popup->Items().Add(std::make_unique<TMenuItem>("two", "Two"))->Enabled = false;
  painter_->InstallOnPopup(*popup, true);
  int drawn = 0;
  painter_->OnDrawItem = [&](TMenuItem&, TCanvas&, TacMenuItemKind kind, UINT) {
    EXPECT_EQ(kind, TacMenuItemKind::mkNormal);
    ++drawn;
  };
  Bitmap24 shot, background;
  OnOpenMenu(1, [&](HWND wnd) {
    shot = CaptureMenu(wnd);
    background = OpenMenu().MenuBackground->Clone();
  });
  popup->SetOwnerWindow(form_->Handle());
  popup->Popup(150, 150);
  EXPECT_EQ(drawn, 2);  // the separator is drawn by the divider
  ASSERT_FALSE(shot.Empty());
  ASSERT_EQ(shot.Width(), background.Width());
  for (int y = 0; y < shot.Height(); ++y) {
    ASSERT_EQ(shot.Pixel(shot.Width() - 2, y), background.Pixel(shot.Width() - 2, y)) << y;
  }
  // The menu window's own procedure forgets the menu when the window goes.
  EXPECT_FALSE(OpenMenu().MenuBackground);
}

// A skin folder whose menu border has magenta corners: the top-left one two
// pixels wide on the first row and one on the second, the bottom-right one a
// single pixel.
class CorneredMenuSkin : public SkinnedMenuWindow {
 protected:
  CorneredMenuSkin() {
    Bitmap24 master(24, 24);
    master.Fill(0x808080);
    for (const POINT p : {POINT{0, 0}, POINT{1, 0}, POINT{0, 1}, POINT{23, 23}}) {
      master.SetPixel(p.x, p.y, clMagenta);
    }
    const std::wstring skin = folder_.File(L"Skins\\Cornered");
    CreateDirectoryW(folder_.File(L"Skins").c_str(), nullptr);
    CreateDirectoryW(skin.c_str(), nullptr);
    const std::vector<std::uint8_t> bmp = EncodeBmp24(master);
    test::WriteBytes(skin + L"\\master.bmp",
                     std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
    test::WriteBytes(skin + L"\\Options.dat",
                     "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
                     "[MAINMENU]\nCOLOR=15790320\nBORDERSMASK=#(0,0,24,24)(1,0,3,0)\n"
                     "[MENUITEM]\nTRANSPARENCY=100\n");
    manager_->SetSkinDirectory(Narrow(folder_.File(L"Skins")));
    manager_->SetSkinName("Cornered");
  }
  test::TempFolder folder_;
};

TEST_F(CorneredMenuSkin, TheMenuWindowLosesTheTransparentCorners) {
  ASSERT_EQ(manager_->SkinName(), "Cornered");
  auto popup = std::make_unique<TPopupMenu>(form_.get());
  popup->Items().Add(std::make_unique<TMenuItem>("one", "One"));
  popup->Items().Add(std::make_unique<TMenuItem>("", "-"));
  popup->Items().Add(std::make_unique<TMenuItem>("two", "Two"));
  painter_->InstallOnPopup(*popup, true);
  form_->Show();
  test::PumpMessages(100);
  RECT window{};
  std::vector<POINT> outside, inside;
  Bitmap24 shot;
  TMenuItem* one = popup->Items().Items(0);
  OnOpenMenu(1, [&](HWND wnd) {
    shot = CaptureMenu(wnd);
    // Asked through the application window with one of its items, the
    // painter finds the menu window again and shapes it anew.
    SetWindowRgn(wnd, nullptr, FALSE);
    SendMessageW(Application()->Handle(), kMenuItemWindowRequest, reinterpret_cast<WPARAM>(one), 0);
    GetWindowRect(wnd, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(wnd, region) != ERROR) {
      for (const POINT p : {POINT{0, 0}, POINT{1, 0}, POINT{0, 1}, POINT{2, 0}, POINT{1, 1},
                            POINT{w - 1, h - 1}, POINT{w - 2, h - 1}, POINT{w / 2, h / 2}}) {
        (PtInRegion(region, p.x, p.y) ? inside : outside).push_back(p);
      }
    }
    DeleteObject(region);
  });
  popup->SetOwnerWindow(form_->Handle());
  popup->Popup(120, 120);
  ASSERT_GT(window.right, window.left);
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  ASSERT_EQ(outside.size(), 4u) << "the window has no shape";
  EXPECT_EQ(outside[0].x, 0);
  EXPECT_EQ(outside[1].x, 1);
  EXPECT_EQ(outside[2].y, 1);
  EXPECT_EQ(outside[3].x, w - 1);
  EXPECT_EQ(outside[3].y, h - 1);
  EXPECT_EQ(inside.size(), 4u);

  // Without a divider mask in the skin, the separator is the etched line:
  // grey over white, across the middle of the menu.
  int etched = 0;
  for (int y = 0; y + 1 < shot.Height(); ++y) {
    etched += shot.Pixel(w / 2, y) == 0x808080 && shot.Pixel(w / 2, y + 1) == clWhite;
  }
  EXPECT_EQ(etched, 1);
}

}  // namespace
}  // namespace au
