// Choosing skins as a person does: the skin folders we ship installed in a
// skins folder of the test's own, picked from the system menu by name, by
// real mouse input, and again and again.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "frame/system_menu.h"
#include "skin/elegant_skin.h"
#include "tests/frame/main_window_fixture.h"
#include "tests/support/bitmap_compare.h"
#include "tests/support/gui_objects.h"
#include "tests/support/temp_folder.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::MenuEntry;
using test::PumpMessages;
using test::PumpUntil;
using test::ReadMenu;
using test::SamePixels;

class SkinChoice : public test::MainWindowFrame {
 protected:
  // A shipped skin folder copied into the test's skins folder as `folder`.
  void Install(const char* shipped, const std::wstring& folder) {
    namespace fs = std::filesystem;
    fs::copy(fs::path(Widen(test::SkinsFolderOfTheRepository())) / shipped,
             fs::path(skins_.Path()) / folder, fs::copy_options::recursive);
  }
  void InstallShippedSkins() {
    for (const char* skin : {"Elegant", "Graphite", "High Contrast", "Linen"})
      Install(skin, Widen(skin));
    UseInstalledSkins();
  }
  void UseInstalledSkins() { Manager().SetSkinDirectory(Narrow(skins_.Path())); }

  // The skin list as the platform's menu holds it.
  std::vector<MenuEntry> SkinList() {
    TsSystemMenu& menu = *Provider().SystemMenu();
    menu.UpdateSkinItems();
    const std::vector<MenuEntry> items = ReadMenu(menu.Handle());
    if (items.empty() || items[0].SubMenu == nullptr) return {};
    return ReadMenu(items[0].SubMenu);
  }
  // Chooses the skin of the list's item `index`, as the menu does when it is clicked.
  void ClickSkinItem(size_t index) {
    TMenuItem* list = Provider().SystemMenu()->Items().Find(kSkinSelectItemName);
    ASSERT_NE(list, nullptr);
    TMenuItem* skin = list->Find(kSkinSelectItemName + std::to_string(index));
    ASSERT_NE(skin, nullptr);
    skin->Click();
  }
  // The title bar as the window shows it.
  Bitmap24 TitleOnScreen() {
    WaitForActive(true);
    PumpMessages(100);
    const Bitmap24 window = test::CaptureWindowShape(Wnd());
    Bitmap24 title(window.Width(), Provider().Geometry().TitleHeight);
    for (int y = 0; y < title.Height(); ++y)
      std::copy_n(window.Row(y), 3 * window.Width(), title.Row(y));
    return title;
  }

  test::TempFolder skins_;
};

// Skin names are folder names in the ANSI code page (1251 here). The menu
// shows them as they read, and a choice names the folder: the skin loads from
// it. A folder that the code page cannot name is not offered.
TEST_F(SkinChoice, AFolderNamedInTheCodePageIsListedAndChosenByItsName) {
  ASSERT_EQ(GetACP(), 1251u) << "this test runs under code page 1251";
  ShowForm();
  struct Case {
    const wchar_t* Folder;
    const wchar_t* Shown;  // the item's text; "&&" shows one "&"
    const char* Ansi;      // the name in code page 1251; null: not offered
  };
  const Case cases[] = {
      {L"Графит", L"Графит", "\xC3\xF0\xE0\xF4\xE8\xF2"},
      {L"Лён & лак", L"Лён && лак", "\xCB\xB8\xED & \xEB\xE0\xEA"},
      {L"Λινό", L"Λινό", nullptr},
  };
  for (const Case& c : cases) Install("Graphite", c.Folder);
  UseInstalledSkins();
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.Folder));
    const std::vector<MenuEntry> skins = SkinList();
    const auto shown = std::find_if(skins.begin(), skins.end(),
                                    [&](const MenuEntry& e) { return e.Text == c.Shown; });
    if (c.Ansi == nullptr) {
      EXPECT_EQ(skins.size(), 3u);  // the built-in skin and the two above
      EXPECT_EQ(shown, skins.end());
      continue;
    }
    ASSERT_NE(shown, skins.end());
    const size_t index = static_cast<size_t>(shown - skins.begin());
    EXPECT_FALSE(shown->Checked);
    ClickSkinItem(index);
    EXPECT_EQ(Manager().SkinName(), c.Ansi);
    EXPECT_FALSE(Manager().SkinData().SkinPath.empty()) << "not loaded from its folder";
    EXPECT_TRUE(SkinList()[index].Checked);
    Manager().SetSkinName(kElegantSkinName);
  }
}

// Real mouse input, as the platform delivers it to whatever lies under the
// pointer.
void SendMouse(POINT screen, DWORD buttons) {
  INPUT input[2] = {};
  input[0].type = INPUT_MOUSE;
  input[0].mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input[0].mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].type = INPUT_MOUSE;
  input[1].mi.dwFlags = buttons;
  SendInput(buttons != 0 ? 2 : 1, input, sizeof(INPUT));
}

void Click(POINT screen, DWORD down, DWORD up) {
  SendMouse(screen, 0);
  Sleep(50);
  SendMouse(screen, down);
  SendMouse(screen, up);
}

// The open menu windows, outermost first.
std::vector<HWND> OpenMenus() {
  std::vector<HWND> menus;
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    if (IsWindowVisible(w)) menus.insert(menus.begin(), w);
  }
  return menus;
}

bool WaitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 250; ++i, Sleep(20))
    if (done()) return true;
  return false;
}

// From another thread, as a person at the mouse: a right click on the title,
// then into "Available skins", then a click on the skin named `skin`.
// Returns what went wrong, or nothing.
std::string ChooseWithTheMouse(POINT title, const std::wstring& skin) {
  Click(title, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  if (!WaitFor([] { return OpenMenus().size() == 1; })) return "no system menu";
  const auto clickItem = [](size_t level, const std::wstring& text) {
    const HWND window = OpenMenus()[level];
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    const std::vector<MenuEntry> items = ReadMenu(menu);
    for (size_t i = 0; i < items.size(); ++i) {
      RECT r{};
      if (items[i].Text != text || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r))
        continue;
      Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, MOUSEEVENTF_LEFTDOWN,
            MOUSEEVENTF_LEFTUP);
      return true;
    }
    return false;
  };
  if (!clickItem(0, L"Available skins")) return "no skin list";
  if (!WaitFor([] { return OpenMenus().size() == 2; })) return "the skin list did not open";
  if (!clickItem(1, skin)) return "the skin is not listed";
  if (!WaitFor([] { return OpenMenus().empty(); })) return "the menu stays open";
  return {};
}

TEST_F(SkinChoice, EachShippedSkinChosenWithTheMouseTakesOverTheTitle) {
  InstallShippedSkins();
  ShowForm();
  const Bitmap24 builtIn = TitleOnScreen();
  RECT window{};
  GetWindowRect(Wnd(), &window);
  const POINT title{window.left + 100, window.top + Provider().Geometry().TitleHeight / 2};
  struct Case {
    const char* Skin;
    bool LooksBuiltIn;  // the built-in skin written out as a folder
  };
  const Case cases[] = {{"Graphite", false}, {"Linen", false},    {"High Contrast", false},
                        {"Elegant", true},   {"Graphite", false}, {kElegantSkinName, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Skin);
    std::string failure;
    std::atomic<bool> done = false;
    std::thread person([&] {
      failure = ChooseWithTheMouse(title, Widen(c.Skin));
      done = true;
    });
    const bool finished = PumpUntil([&] { return done.load(); }, 20000);
    if (!finished) EndMenu();
    person.join();
    ASSERT_TRUE(finished && failure.empty()) << failure;
    EXPECT_EQ(Manager().SkinName(), c.Skin);
    const Bitmap24 chosen = TitleOnScreen();
    EXPECT_EQ(SamePixels(chosen, builtIn), c.LooksBuiltIn);
    // The look is the skin's own, as when it is set without a menu.
    Manager().SetSkinName(kElegantSkinName);
    Manager().SetSkinName(c.Skin);
    EXPECT_TRUE(SamePixels(TitleOnScreen(), chosen));
  }
}

// A skin change, chosen as the menu chooses it, frees everything the old
// skin's windows and menus held.
TEST_F(SkinChoice, SwitchingAHundredTimesLeavesNoWindowObjectBehind) {
  InstallShippedSkins();
  ShowForm();
  const auto switchOnce = [&] {
    for (const char* skin : {"Linen", "Graphite"}) {
      const std::vector<MenuEntry> skins = SkinList();
      const auto it = std::find_if(skins.begin(), skins.end(),
                                   [&](const MenuEntry& e) { return e.Text == Widen(skin); });
      ASSERT_NE(it, skins.end());
      ClickSkinItem(static_cast<size_t>(it - skins.begin()));
      PumpMessages(1);
    }
  };
  switchOnce();
  PumpMessages(100);
  const test::GuiObjects first = test::CountGuiObjects();
  ASSERT_GT(first.Gdi, 0u);
  ASSERT_GT(first.User, 0u);
  for (int round = 1; round < 100; ++round) switchOnce();
  PumpMessages(100);
  const test::GuiObjects last = test::CountGuiObjects();
  // Fewer is fine: what the first round left for later may have gone since.
  EXPECT_LE(last.Gdi, first.Gdi);
  EXPECT_LE(last.User, first.User);
}

}  // namespace
}  // namespace au
