// A shown form with the internal skin (plus sections a test adds) for tests
// that check what skinned controls paint: into their caches and on screen.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "paint/common_data.h"
#include "pixels/bitmap24.h"
#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "tests/support/gui_driver.h"
#include "ui/application.h"
#include "ui/form.h"

namespace au::test {

inline constexpr TColor kFormColour = MakeColor(90, 60, 30);

class PaintedFormTest : public ::testing::Test {
 protected:
  PaintedFormTest() : form_(Application()->CreateForm<TForm>()) {
    form_->SetClientSize(400, 300);
    form_->SetColor(kFormColour);
    manager_ = new TsSkinManager(form_.get());
    manager_->SetInternalSkins({ElegantInternalSkin()});
  }

  // The internal skin with `commonSections` on top of it.
  void Activate(const std::vector<std::string>& commonSections = {}) {
    if (!commonSections.empty()) manager_->SetCommonSections(commonSections);
    manager_->SetSkinName(kElegantSkinName);
  }

  template <typename Control>
  Control* Add(TWinControl* parent, RECT bounds) {
    auto* control = new Control(form_.get());
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
  }

  // Shows the form and lets every queued paint run. The mouse pointer is
  // first put far away, where no control of a test lies.
  void ShowAndPaint() {
    SetCursorPos(1200, 1000);
    form_->Show();
    PumpMessages(100);
  }

  static Bitmap24 CacheOf(TsCommonData& data) {
    EXPECT_TRUE(data.CacheBitmap && !data.CacheBitmap->Empty());
    return data.CacheBitmap ? data.CacheBitmap->Clone() : Bitmap24();
  }

  std::unique_ptr<TForm> form_;
  TsSkinManager* manager_ = nullptr;
};

// Every pixel of `picture` against the screen pixels of `wnd`'s client area
// from (x, y) on, leaving out those for which `skip` is true.
inline ::testing::AssertionResult ScreenShows(
    HWND wnd, int x, int y, const Bitmap24& picture,
    const std::function<bool(int, int)>& skip = [](int, int) { return false; }) {
  std::ostringstream report;
  int wrong = 0;
  for (int j = 0; j < picture.Height(); ++j)
    for (int i = 0; i < picture.Width(); ++i) {
      if (skip(i, j)) continue;
      const TColor screen = ScreenPixel(wnd, x + i, y + j);
      if (screen == picture.Pixel(i, j)) continue;
      if (++wrong <= 5)
        report << " (" << i << ", " << j << ") is 0x" << std::hex << screen << " instead of 0x"
               << picture.Pixel(i, j) << std::dec << ";";
    }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixels differ:" << report.str();
}

}  // namespace au::test
