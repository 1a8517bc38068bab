// Pop-up menus under Wine: what the platform menu is built from the items,
// choosing an item from the keyboard, and the painter's hooks.
#include "ui/popup_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/gui_driver.h"
#include "ui/application.h"

namespace au {
namespace {

std::wstring ItemText(HMENU menu, int index) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(index), text, 128, MF_BYPOSITION);
  return text;
}

UINT ItemType(HMENU menu, int index) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
  return info.fType;
}

UINT ItemState(HMENU menu, int index) {
  return GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION);
}

class PopupMenuTest : public testing::Test {
 protected:
  PopupMenuTest() : menu_(std::make_unique<TPopupMenu>(nullptr)) {}
  TMenuItem* Add(const char* name, const char* caption) {
    return menu_->Items().Add(std::make_unique<TMenuItem>(name, caption));
  }
  std::unique_ptr<TPopupMenu> menu_;
};

TEST_F(PopupMenuTest, ThePlatformMenuHoldsTheVisibleItemsAsTheyAre) {
  Add("first", "First")->Checked = true;
  Add("", "-");
  Add("hidden", "Hidden")->Visible = false;
  Add("", "-");  // two lines in a row show as one
  TMenuItem* off = Add("off", "Off");
  off->Enabled = false;
  off->RadioItem = true;
  off->Checked = true;
  TMenuItem* sub = Add("sub", "Sub");
  sub->Add(std::make_unique<TMenuItem>("a", "\u0416 one"));
  sub->Add(std::make_unique<TMenuItem>("b", "two"))->Break = TMenuBreak::mbBreak;
  Add("close", "Close")->ShortCut = scAlt | VK_F4;

  HMENU h = menu_->Handle();
  ASSERT_NE(h, nullptr);
  ASSERT_EQ(GetMenuItemCount(h), 5);
  EXPECT_EQ(ItemText(h, 0), L"First");
  EXPECT_NE(ItemState(h, 0) & MF_CHECKED, 0u);
  EXPECT_NE(ItemType(h, 1) & MFT_SEPARATOR, 0u);
  EXPECT_EQ(ItemText(h, 2), L"Off");
  EXPECT_NE(ItemState(h, 2) & MF_GRAYED, 0u);
  EXPECT_NE(ItemType(h, 2) & MFT_RADIOCHECK, 0u);
  EXPECT_EQ(ItemText(h, 4), L"Close\tAlt+F4");
  HMENU subMenu = GetSubMenu(h, 3);
  ASSERT_NE(subMenu, nullptr);
  ASSERT_EQ(GetMenuItemCount(subMenu), 2);
  EXPECT_EQ(ItemText(subMenu, 0), L"\u0416 one");  // UTF-8 captions reach the wide API
  EXPECT_NE(ItemType(subMenu, 1) & MFT_MENUBREAK, 0u);

  // Each call builds afresh from the items as they are then.
  off->Visible = false;
  EXPECT_EQ(GetMenuItemCount(menu_->Handle()), 4);
}

// Keys typed into the menu while its loop runs.
void CALLBACK ChooseSecondItem(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (menuWindow == nullptr) {
    EndMenu();
    return;
  }
  for (const WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_DOWN}, WPARAM{VK_RETURN}}) {
    PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
  }
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

TEST_F(PopupMenuTest, TheChosenItemRunsAfterTheMenuHasClosed) {
  std::vector<std::string> clicks;
  bool showingWhenClicked = true;
  for (const char* name : {"one", "two", "three"}) {
    Add(name, name)->OnClick = [&, name](TMenuItem&) {
      clicks.push_back(name);
      showingWhenClicked = menu_->Showing();
    };
  }
  SetTimer(nullptr, 0, 200, &ChooseSecondItem);
  menu_->Popup(100, 100);
  ASSERT_EQ(clicks, std::vector<std::string>{"two"});
  EXPECT_FALSE(showingWhenClicked);

  SetTimer(nullptr, 0, 200, &CloseMenu);
  menu_->Popup(100, 100);
  EXPECT_EQ(clicks.size(), 1u);  // closing without a choice runs nothing
}

TEST_F(PopupMenuTest, APainterMeasuresAndDrawsEveryShownItem) {
  Add("a", "A");
  Add("", "-");
  Add("b", "B");
  Add("c", "C")->Visible = false;
  std::vector<std::string> measured;
  std::vector<std::string> drawn;
  menu_->OnMeasureItem = [&](TMenuItem& item, HDC dc, int& width, int& height) {
    EXPECT_NE(dc, nullptr);
    measured.push_back(item.Caption);
    width = 120;
    height = item.IsLine() ? 5 : 20;
  };
  menu_->OnDrawItem = [&](TMenuItem& item, HDC dc, const RECT& r, UINT) {
    EXPECT_NE(dc, nullptr);
    EXPECT_GT(r.right, r.left);
    drawn.push_back(item.Caption);
  };
  SetTimer(nullptr, 0, 300, &CloseMenu);
  menu_->Popup(100, 100);
  EXPECT_EQ(measured, (std::vector<std::string>{"A", "-", "B"}));
  ASSERT_FALSE(drawn.empty());
  for (const std::string& caption : drawn) EXPECT_NE(caption, "C");
  // Outside a showing, nothing is dispatched to the hooks.
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
  EXPECT_FALSE(TPopupMenu::DispatchOwnerDraw(m));
}

}  // namespace
}  // namespace au
