// How many window-system objects the process holds, to find leaks.
#pragma once

#include <windows.h>

namespace au::test {

struct GuiObjects {
  DWORD Gdi = 0;   // bitmaps, device contexts, fonts, brushes, regions, ...
  DWORD User = 0;  // windows and menus
};

// What the platform reports. Wine does not report these counts; under Wine
// they are read from its handle tables instead: every GDI object of the
// process, and the windows and menus that the process owns.
GuiObjects CountGuiObjects();

}  // namespace au::test
