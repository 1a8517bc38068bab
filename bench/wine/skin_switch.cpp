#include "bench/wine/skin_switch.h"

#include <vector>

#include "skin/elegant_skin.h"
#include "skin/skin_manager.h"
#include "ui/gdi_handles.h"

namespace au::bench {
namespace {

// The platform's classes of pop-up menus and of dialog boxes.
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr wchar_t kDialogClass[] = L"#32770";

struct WindowSearch {
  DWORD process;
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND wnd, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  wchar_t name[16] = {};
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  GetClassNameW(wnd, name, 16);
  if (owner == search->process && IsWindowVisible(wnd) && lstrcmpW(name, search->className) == 0) {
    search->found.push_back(wnd);
  }
  return TRUE;
}

std::vector<HWND> VisibleWindows(DWORD process, const wchar_t* className) {
  WindowSearch search{process, className, {}};
  EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int OpenMenus(DWORD process) {
  return static_cast<int>(VisibleWindows(process, kMenuClass).size());
}

bool WaitForMenus(DWORD process, int count) {
  const double start = Now();
  while (OpenMenus(process) != count) {
    if (Now() - start > 10) return false;
    Sleep(1);
  }
  return true;
}

void PostKey(HWND wnd, WPARAM key) {
  PostMessageW(wnd, WM_KEYDOWN, key, 1);
  PostMessageW(wnd, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

std::vector<std::string> OfferedSkins() {
  TsSkinManager manager(nullptr);
  manager.SetInternalSkins({ElegantInternalSkin()});
  manager.SetSkinDirectory(kDefaultSkinDirectory);
  std::vector<std::string> names;
  manager.ListSkinNames(names);
  return names;
}

double ChooseSkin(const Program& program, int index) {
  HWND wnd = program.Window();
  RECT r;
  GetWindowRect(wnd, &r);
  // A right click on the title bar opens the system menu.
  PostMessageW(wnd, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(r.left + 100, r.top + 8));
  if (!WaitForMenus(program.ProcessId(), 1)) return -1;
  PostKey(wnd, VK_DOWN);   // "Available skins"
  PostKey(wnd, VK_RIGHT);  // its list, at the first skin
  if (!WaitForMenus(program.ProcessId(), 2)) return -1;
  for (int i = 0; i < index; ++i) PostKey(wnd, VK_DOWN);
  Sleep(300);  // the menu follows the keys before the clock starts
  const double start = Now();
  PostKey(wnd, VK_RETURN);
  WaitForMenus(program.ProcessId(), 0);
  program.WaitIdleAndPainted();
  return Now() - start;
}

bool CloseMessageBoxes(const Program& program) {
  const std::vector<HWND> boxes = VisibleWindows(program.ProcessId(), kDialogClass);
  for (HWND box : boxes) PostKey(box, VK_RETURN);
  if (!boxes.empty()) program.WaitIdleAndPainted();
  return !boxes.empty();
}

std::uint64_t TitlePixelsOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  const int w = r.right - r.left;
  const int h = GetSystemMetrics(SM_CYCAPTION);
  const WindowDc screen(nullptr);
  const MemoryDc memory;
  const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
  if (!bitmap) return 0;
  {
    const SelectScope select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w) * h);
  GetDIBits(memory.Get(), bitmap.Get(), 0, h, pixels.data(), &info, DIB_RGB_COLORS);
  std::uint64_t hash = 14695981039346656037u;
  for (const std::uint32_t p : pixels) hash = (hash ^ p) * 1099511628211u;
  return hash;
}

}  // namespace au::bench
