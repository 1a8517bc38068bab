#include "bench/wine/process_driver.h"

#include <psapi.h>

#include <algorithm>

namespace au::bench {
namespace {

constexpr DWORD kPatienceMs = 600000;  // a 100 MB file takes minutes under Wine

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND wnd, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(wnd, &owner);
  if (owner != search->process || !IsWindowVisible(wnd)) return TRUE;
  search->found = wnd;
  return FALSE;
}

struct ChildSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectChildren(HWND wnd, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  if (lstrcmpiW(name, search->className) == 0) search->found.push_back(wnd);
  return TRUE;
}

void SendNull(HWND wnd) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result);
}

}  // namespace

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

Program::Program(const std::wstring& exe, const std::wstring& arguments, double& startSeconds) {
  std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    startSeconds = 0;
    return;
  }
  WaitForInputIdle(process_.hProcess, kPatienceMs);
  Search search{process_.dwProcessId, nullptr};
  while (search.found == nullptr && Now() - start < kPatienceMs / 1000.0) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) break;
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(1);
  }
  window_ = search.found;
  if (window_ != nullptr) WaitIdleAndPainted();
  startSeconds = Now() - start;
}

Program::~Program() {
  Close();
}

std::wstring Program::Title() const {
  wchar_t title[256] = {};
  if (window_ != nullptr) GetWindowTextW(window_, title, 256);
  return title;
}

size_t Program::PeakWorkingSet() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (process_.hProcess == nullptr ||
      !GetProcessMemoryInfo(process_.hProcess, &counters, sizeof(counters))) {
    return 0;
  }
  return counters.PeakWorkingSetSize;
}

void Program::WaitIdleAndPainted() const {
  // A sent message is handled only when the program next looks for messages,
  // that is, once it has finished what it was doing; what that left invalid
  // is then painted at once, and a second round trip waits for that too.
  SendNull(window_);
  RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendNull(window_);
}

void Program::Close() {
  if (process_.hProcess == nullptr) return;
  // Every window of the process is asked (a message box may be in front).
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) break;
    Search search{process_.dwProcessId, nullptr};
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.hProcess, 2000);
  }
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, INFINITE);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  process_ = {};
  window_ = nullptr;
}

std::vector<HWND> ChildWindows(HWND frame, const wchar_t* className) {
  ChildSearch search{className, {}};
  EnumChildWindows(frame, CollectChildren, reinterpret_cast<LPARAM>(&search));
  std::sort(search.found.begin(), search.found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return search.found;
}

std::vector<HWND> EditControls(HWND frame) {
  return ChildWindows(frame, L"Edit");
}

std::string WindowTextOf(HWND wnd) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatienceMs, &length);
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kPatienceMs, &copied);
  text.resize(std::min<size_t>(copied, length));
  return text;
}

void ClickAt(HWND frame, POINT client) {
  HWND target = ChildWindowFromPointEx(frame, client, CWP_SKIPINVISIBLE);
  if (target == nullptr) target = frame;
  POINT p = client;
  MapWindowPoints(frame, target, &p, 1);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(target, WM_MOUSEMOVE, 0, at, SMTO_NORMAL, kPatienceMs, &result);
  SendMessageTimeoutW(target, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, kPatienceMs, &result);
  SendMessageTimeoutW(target, WM_LBUTTONUP, 0, at, SMTO_NORMAL, kPatienceMs, &result);
}

void RepaintAll(HWND frame) {
  RedrawWindow(frame, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace au::bench
