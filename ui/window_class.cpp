#include "ui/window_class.h"

namespace au {

void RegisterWindowClasses() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = InitWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kControlClassName;
    RegisterClassExW(&wc);
    // Forms carry the program's icon (resource 1) in the title bar and task bar.
    wc.lpszClassName = kFormClassName;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    RegisterClassExW(&wc);
    return true;
  }();
  (void)registered;
}

}  // namespace au
