// Stands in for the web browser in tests: registered as the handler of web
// addresses, it appends the command line it was started with to the file
// named by ANSIUTF8_URL_LOG.
#include <windows.h>

int main() {
  wchar_t log[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"ANSIUTF8_URL_LOG", log, MAX_PATH) == 0) return 1;
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const wchar_t* line = GetCommandLineW();
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
