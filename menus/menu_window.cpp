// The menu window of an open skinned menu: its procedure stops the platform
// from painting its frame and background over the skin's, its frame is
// painted from the menu's background, and its shape loses the skin's
// transparent corners.
#include "menus/background_copies.h"
#include "menus/open_menu.h"
#include "menus/ts_skinable_menus.h"
#include "paint/region_holes.h"

namespace au {
namespace {

// The platform's class of pop-up menu windows.
constexpr wchar_t kMenuWindowClass[] = L"#32768";

LRESULT CALLBACK SkinnedMenuWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      // The items and the painter cover all of it.
      return 1;
    case WM_DESTROY:
      ResetOpenMenu();
      break;
    default:
      break;
  }
  return old != nullptr ? CallWindowProcW(old, wnd, msg, wParam, lParam)
                        : DefWindowProcW(wnd, msg, wParam, lParam);
}

bool MenuHoldsItem(HMENU menu, std::uintptr_t item) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && info.dwItemData == item) {
      return true;
    }
  }
  return false;
}

struct MenuWindowSearch {
  std::uintptr_t Item = 0;
  HWND Found = nullptr;
};

BOOL CALLBACK FindMenuWindowOfItem(HWND wnd, LPARAM data) {
  auto& search = *reinterpret_cast<MenuWindowSearch*>(data);
  wchar_t className[16] = {};
  if (!IsWindowVisible(wnd) || GetClassNameW(wnd, className, 16) == 0 ||
      lstrcmpW(className, kMenuWindowClass) != 0) {
    return TRUE;
  }
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(wnd, MN_GETHMENU, 0, 0));
  if (menu != nullptr && MenuHoldsItem(menu, search.Item)) {
    search.Found = wnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void TsSkinableMenus::AttachToMenuWindow(HWND menuWindow) {
  if (borderDrawing_ || menuWindow == nullptr || !IsWindow(menuWindow)) return;
  if (GetWindowLongPtrW(menuWindow, GWLP_WNDPROC) !=
      reinterpret_cast<LONG_PTR>(&SkinnedMenuWindowProc)) {
    const LONG_PTR old = SetWindowLongPtrW(menuWindow, GWLP_WNDPROC,
                                           reinterpret_cast<LONG_PTR>(&SkinnedMenuWindowProc));
    SetWindowLongPtrW(menuWindow, GWLP_USERDATA, old);
  }
  const Bitmap24* background = OpenMenu().MenuBackground.get();
  if (background == nullptr || background->Empty()) return;
  borderDrawing_ = true;
  const SIZE size{background->Width(), background->Height()};
  if (cornerHoles_.empty()) {
    PaintWindowFrame(menuWindow, size);
  } else {
    // The window owns the region from here on.
    SetWindowRgn(menuWindow, MakeWindowShape(size.cx, size.cy, cornerHoles_).Release(), TRUE);
  }
  borderDrawing_ = false;
}

void TsSkinableMenus::PaintWindowFrame(HWND menuWindow, SIZE size) {
  const Bitmap24& background = *OpenMenu().MenuBackground;
  WindowDc windowDc(menuWindow, true);
  HDC dc = windowDc.Get();
  const int w = size.cx;
  const int h = size.cy;
  const int left = ExtraWidth(false) + 3;
  CopyPictureToDc(dc, 0, 0, left, h, background, 0, 0);
  CopyPictureToDc(dc, 3, 0, w, 3, background, 3, 0);
  CopyPictureToDc(dc, w - 3, 3, 3, h - 3, background, w - 3, 3);
  CopyPictureToDc(dc, 3, h - 3, w - 6, 3, background, 3, h - 3);
}

bool TsSkinableMenus::AnswerMenuRequest(unsigned message, std::uintptr_t wParam, std::intptr_t) {
  if (message == kMenuWindowRequest) {
    AttachToMenuWindow(reinterpret_cast<HWND>(wParam));
    return true;
  }
  if (message != kMenuItemWindowRequest) return false;
  // The item is only compared with what the open menus hold; it may be gone.
  MenuWindowSearch search{wParam, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindMenuWindowOfItem, reinterpret_cast<LPARAM>(&search));
  if (search.Found != nullptr) AttachToMenuWindow(search.Found);
  return true;
}

}  // namespace au
