// The converter's main window for tests of its skinned frame under Wine:
// shown, active, its frame painted, and its platform menus read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "tests/frame/frame_test_support.h"
#include "tests/support/gui_driver.h"
#include "tests/ui/shown_form.h"
#include "ui/application.h"

namespace au::test {

class MainWindowFrame : public testing::Test {
 protected:
  MainWindowFrame() : form_(Application()->CreateForm<TForm1>(CommandLineArgs(u"ansi2utf8.exe"))) {}
  ~MainWindowFrame() override { SetCursorPos(0, 0); }

  void ShowForm() {
    form_->Show();
    WaitForActive(true);
  }
  bool FrameReady() {
    return IsWindowVisible(Wnd()) && !Provider().SkinData().BackgroundChanged &&
           !Provider().FrameCache().Empty();
  }
  // Waits until the window is active (or not) and its frame painted so, and
  // stays so for a while: the display server reports focus changes late, and
  // one that belongs to an earlier change may still come.
  void WaitForActive(bool active) {
    const auto settled = [&] { return Provider().FormActive() == active && FrameReady(); };
    for (int round = 0; round < 10; ++round) {
      // A late report of a window that has gone may leave no window active;
      // a person would click the window then.
      if (active && round > 0) SetForegroundWindow(Wnd());
      if (!PumpUntil(settled, 500)) continue;
      PumpMessages(150);
      if (settled()) return;
    }
    FAIL() << "the window's activation does not settle: FormActive " << Provider().FormActive()
           << ", foreground " << (GetForegroundWindow() == Wnd()) << ", frame ready "
           << FrameReady();
  }

  TsSkinProvider& Provider() { return *form_->sSkinProvider1; }
  TsSkinManager& Manager() { return *form_->sSkinManager1; }
  HWND Wnd() { return form_->Handle(); }
  const TsCaptionButton& Close() { return *Provider().ButtonOfCode(HTCLOSE); }
  POINT CloseCentre() {
    const TRect& r = Close().Rect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  int CloseMask() {
    return Manager().MaskIndex(Manager().SectionIndex("GLOBALINFO"), "GLOBALINFO", "BICONCLOSE");
  }

  // Every pixel of the close button, in the cache and on screen, is the
  // skin's image for `state` drawn in `mode` over the title.
  void ExpectCloseButtonShows(int state, int mode) {
    const test::ButtonImage image = ButtonImageOf(Manager(), CloseMask(), state);
    ASSERT_NE(image.Picture, nullptr);
    const TRect& r = Close().Rect;
    const Bitmap24 shot = CaptureWindow(Wnd());
    const Bitmap24& background = Provider().ButtonsBackground();
    int mismatches = 0;
    for (int y = 0; y < r.Height(); ++y) {
      for (int x = 0; x < r.Width(); ++x) {
        const TColor behind =
            background.Pixel(r.Left + x - Provider().ButtonsBackgroundLeft(), r.Top + y);
        const TColor cached = Provider().FrameCache().Pixel(r.Left + x, r.Top + y);
        if (!ButtonPixelMatches(image, behind, x, y, mode, cached)) ++mismatches;
        if (shot.Pixel(r.Left + x, r.Top + y) != cached) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << "state " << state << ", mode " << mode;
  }

  // The title rows of the frame cache as they are now.
  Bitmap24 TitleNow() {
    const Bitmap24& cache = Provider().FrameCache();
    Bitmap24 title(cache.Width(), Provider().Geometry().TitleHeight);
    for (int y = 0; y < title.Height(); ++y) {
      std::copy_n(cache.Row(y), 3 * cache.Width(), title.Row(y));
    }
    return title;
  }
  void SetCaptionAndPaint(const std::string& caption) {
    form_->SetCaption(caption);
    ASSERT_TRUE(PumpUntil([&] { return FrameReady(); }));
  }

  std::unique_ptr<TForm1> form_;
};

// One item of a platform menu as the platform holds it.
struct MenuEntry {
  std::wstring Text;
  bool Separator = false;
  bool Checked = false;
  bool Radio = false;
  bool NewColumn = false;
  HMENU SubMenu = nullptr;
};

inline std::vector<MenuEntry> ReadMenu(HMENU menu) {
  std::vector<MenuEntry> entries;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    MenuEntry entry;
    entry.Separator = (info.fType & MFT_SEPARATOR) != 0;
    entry.Text = entry.Separator ? L"" : text;
    entry.Checked = (info.fState & MFS_CHECKED) != 0;
    entry.Radio = (info.fType & MFT_RADIOCHECK) != 0;
    entry.NewColumn = (info.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0;
    entry.SubMenu = info.hSubMenu;
    entries.push_back(entry);
  }
  return entries;
}

// The repository's skin folders, as Wine sees the Unix root (drive Z:).
inline std::string SkinsFolderOfTheRepository() {
  std::string path = "Z:" ANSIUTF8_SKINS_DIR;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace au::test
