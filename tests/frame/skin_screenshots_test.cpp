// The main window in the built-in skin and in each skin we ship, compared
// pixel for pixel with the pictures committed in screenshots/ beside this
// file: at start, with the mouse over "ANSI > UTF-8" (the button's picture;
// the rest of the window must not change), and with the system menu open (the
// menu's own window; the window must not change).
//
// After a change that is meant to alter the look, write the pictures anew
// with ANSIUTF8_UPDATE_SCREENSHOTS=1 in the environment, e.g.
//   ANSIUTF8_UPDATE_SCREENSHOTS=1 scripts/test.sh
// and look at every picture before committing it. A picture that differs is
// written to the build folder, and the failure names the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "pixels/bmp_file.h"
#include "pixels/copy_bitmap_rect.h"
#include "skin/elegant_skin.h"
#include "tests/frame/main_window_fixture.h"
#include "tests/support/bitmap_compare.h"
#include "tests/support/temp_folder.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::PumpMessages;
using test::PumpUntil;

// Paths as the Windows program sees the Unix root: drive Z:.
std::wstring WindowsPath(const char* unixPath, const std::string& file) {
  std::wstring path = L"Z:" + Widen(unixPath) + L"/" + Widen(file);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

void WritePicture(const std::wstring& path, const Bitmap24& picture) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::vector<std::uint8_t> bytes = EncodeBmp24(picture);
  test::WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

// The first pixel in which two pictures of one size differ, and how many do.
std::string Differences(const Bitmap24& a, const Bitmap24& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height())
    return "size " + std::to_string(a.Width()) + " x " + std::to_string(a.Height()) +
           " instead of " + std::to_string(b.Width()) + " x " + std::to_string(b.Height());
  int count = 0;
  std::string first;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y) && count++ == 0)
        first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
  return std::to_string(count) + " pixels differ," + first;
}

void ExpectLooksAsCommitted(const Bitmap24& shot, const std::string& name) {
  const std::wstring committed = WindowsPath(ANSIUTF8_SCREENSHOTS_DIR, name + ".bmp");
  const char* update = std::getenv("ANSIUTF8_UPDATE_SCREENSHOTS");
  if (update != nullptr && std::string(update) == "1") {
    WritePicture(committed, shot);
    return;
  }
  const std::string bytes = test::ReadBytes(committed);
  const std::optional<Bitmap24> expected =
      DecodeBmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  if (expected && test::SamePixels(shot, *expected)) return;
  const std::wstring written = WindowsPath(ANSIUTF8_SCREENSHOTS_OUT, name + ".bmp");
  WritePicture(written, shot);
  ADD_FAILURE() << name << ": "
                << (expected ? Differences(shot, *expected) : "no committed picture")
                << "; the window as it is now: " << Narrow(written)
                << "; to accept it, run with ANSIUTF8_UPDATE_SCREENSHOTS=1";
}

// "High Contrast" -> "high-contrast", "Elegant (internal)" -> "elegant-internal".
std::string FileNameOf(const std::string& skin) {
  std::string name;
  for (const char c : skin) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    else if (!name.empty() && name.back() != '-')
      name += '-';
  }
  if (!name.empty() && name.back() == '-') name.pop_back();
  return name;
}

// Text for the memos: more lines than they show, and with `wide` lines longer
// than they show too, so that both kinds of scroll bar, and a disabled one,
// are on screen.
std::string FixedText(bool wide) {
  std::string text;
  for (int line = 1; line <= 30; ++line)
    text += "Line " + std::to_string(line) + ": the quick brown fox jumps over the lazy dog, " +
            "and the lazy dog lets it; " + std::string(wide && line % 3 == 0 ? 40 : 0, '=') +
            "\r\n";
  return text;
}

// Captured from inside the menu's own loop, then the menu is closed.
struct MenuShot {
  HWND Window = nullptr;
  std::optional<Bitmap24> WithMenu;
  std::optional<Bitmap24> Menu;
};
MenuShot gMenuShot;
void CALLBACK CaptureOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu != nullptr && IsWindowVisible(menu)) {
    gMenuShot.WithMenu = test::CaptureWindowShape(gMenuShot.Window);
    gMenuShot.Menu = test::CaptureWindowShape(menu);
  }
  EndMenu();
}

class SkinScreenshots : public test::MainWindowFrame,
                        public testing::WithParamInterface<const char*> {
 protected:
  // Where a control lies in the picture of the whole window.
  TRect WindowRectOf(TControl& control) {
    POINT at{control.Left(), control.Top()};
    ClientToScreen(static_cast<TWinControl*>(control.Parent())->Handle(), &at);
    RECT window{};
    GetWindowRect(Wnd(), &window);
    return {at.x - window.left, at.y - window.top, at.x - window.left + control.Width(),
            at.y - window.top + control.Height()};
  }
};

TEST_P(SkinScreenshots, TheWindowLooksAsCommitted) {
  const std::string file = FileNameOf(GetParam());
  SetCursorPos(0, 0);  // off the window, which is centred
  Manager().SetSkinDirectory(test::SkinsFolderOfTheRepository());
  Manager().SetSkinName(GetParam());
  ASSERT_EQ(Manager().SkinName(), GetParam());
  form_->sMemo1->SetText(FixedText(true));
  form_->sMemo2->SetText(FixedText(false));
  ShowForm();
  // The pointer may have rested where the window appeared: it leaves for a
  // bare spot of the panel, so that no button is under it.
  test::MoveMouseTo(*form_->sPanel1, 2, 2);
  HideCaret(nullptr);  // it blinks
  const auto settled = [&] {
    PumpUntil([&] { return form_->sSpeedButton1->AnimTimer() == nullptr; });
    WaitForActive(true);
    PumpMessages(200);
    return test::CaptureWindowShape(Wnd());
  };
  const Bitmap24 start = settled();
  ExpectLooksAsCommitted(start, file + "-start");

  // Only the button changes: its picture is committed, and the rest of the
  // window must still be the start picture.
  TsSpeedButton& button = *form_->sSpeedButton1;
  test::MoveMouseTo(button, button.Width() / 2, button.Height() / 2);
  Bitmap24 hot = settled();
  const TRect place = WindowRectOf(button);
  Bitmap24 hotButton(place.Width(), place.Height());
  CopyBitmapRect(hotButton, hot, {0, 0}, place);
  ExpectLooksAsCommitted(hotButton, file + "-button-hot");
  CopyBitmapRect(hot, start, {place.Left, place.Top}, place);
  ExpectLooksAsCommitted(hot, file + "-start");

  test::NcMoveTo(Wnd(), {100, 10});
  settled();
  gMenuShot = {Wnd(), std::nullopt, std::nullopt};
  SetTimer(nullptr, 0, 300, &CaptureOpenMenu);
  test::NcMouse(Wnd(), WM_NCRBUTTONDOWN, {100, 10});
  test::NcMouse(Wnd(), WM_NCRBUTTONUP, {100, 10});  // returns once the menu has closed
  ASSERT_TRUE(gMenuShot.Menu) << "the system menu did not open";
  // The menu leaves the window as it was.
  ExpectLooksAsCommitted(*gMenuShot.WithMenu, file + "-start");
  ExpectLooksAsCommitted(*gMenuShot.Menu, file + "-menu");
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinScreenshots,
                         testing::Values(kElegantSkinName, "Elegant", "Graphite", "High Contrast",
                                         "Linen"));

}  // namespace
}  // namespace au
