// Tells an end-to-end test what the converter's window shows, from another
// process as a person would see it: waits until the window with the given
// title is shown and idle, then prints three lines (UTF-8): the upper memo's
// line count as the edit control counts it, the length of its text in bytes,
// and the status bar's text.
//
//   window_probe.exe "<window title>" [seconds to wait, default 300]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/wine/process_driver.h"

namespace {

// The simple text of a status bar of another process: the bar writes it into
// memory of its own process, which is then read from here.
std::wstring StatusText(HWND bar) {
  DWORD process = 0;
  GetWindowThreadProcessId(bar, &process);
  // A bar in simple mode answers for its one part as part 0.
  const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
  HANDLE owner = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, process);
  if (owner == nullptr) return L"";
  std::wstring text(length + 1, L'\0');
  const size_t bytes = text.size() * sizeof(wchar_t);
  void* remote = VirtualAllocEx(owner, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (remote != nullptr) {
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(owner, remote, text.data(), bytes, nullptr);
    VirtualFreeEx(owner, remote, 0, MEM_RELEASE);
  }
  CloseHandle(owner);
  text.resize(length);
  return text;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: window_probe <window title> [seconds]\n");
    return 2;
  }
  const DWORD patienceMs = (argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 300) * 1000;
  const DWORD start = GetTickCount();
  HWND window = nullptr;
  while ((window = FindWindowW(nullptr, argv[1])) == nullptr || !IsWindowVisible(window)) {
    if (GetTickCount() - start > patienceMs) {
      fprintf(stderr, "window_probe: no window \"%s\"\n", Utf8(argv[1]).c_str());
      return 1;
    }
    Sleep(100);
  }
  // Answered only once the window has finished what it was doing.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, patienceMs, &result);
  const std::vector<HWND> memos = au::bench::EditControls(window);
  const std::vector<HWND> bars = au::bench::ChildWindows(window, STATUSCLASSNAMEW);
  if (memos.empty() || bars.empty()) {
    fprintf(stderr, "window_probe: the window has no memo or no status bar\n");
    return 1;
  }
  printf("%ld\n%ld\n%s\n", static_cast<long>(SendMessageW(memos[0], EM_GETLINECOUNT, 0, 0)),
         static_cast<long>(SendMessageA(memos[0], WM_GETTEXTLENGTH, 0, 0)),
         Utf8(StatusText(bars[0])).c_str());
  return 0;
}
