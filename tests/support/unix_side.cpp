#include "tests/support/unix_side.h"

#include <windows.h>

#include "tests/support/temp_folder.h"

namespace au::test {
namespace {

using UnixFileName = char*(CDECL*)(const wchar_t*);

UnixFileName UnixFileNameFunction() {
  // Through void*: the platform hands every export out as one function type.
  return reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

std::string UnixPath(const std::wstring& path) {
  const UnixFileName function = UnixFileNameFunction();
  char* name = function != nullptr ? function(path.c_str()) : nullptr;
  if (name == nullptr) return {};
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

std::wstring WidenAscii(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

}  // namespace

bool HasUnixSide() {
  return UnixFileNameFunction() != nullptr;
}

std::string RunUnixCommand(const std::wstring& folder, const std::string& command) {
  // Wine hands out no handle to wait on for a Unix process: the output file
  // appears under its final name only once the command has ended.
  const TempFolder outputFolder;
  const std::wstring output = outputFolder.File(L"output");
  const std::string unixOutput = UnixPath(output);
  const std::string script = "cd '" + UnixPath(folder) + "' && { " + command + "; } > '" +
                             unixOutput + ".part' 2>&1; mv '" + unixOutput + ".part' '" +
                             unixOutput + "'";
  std::wstring line = L"/bin/sh -c \"" + WidenAscii(script) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return "cannot start /bin/sh";
  }
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  for (int waited = 0; waited < 10000; waited += 10) {
    if (GetFileAttributesW(output.c_str()) != INVALID_FILE_ATTRIBUTES) return ReadBytes(output);
    Sleep(10);
  }
  return "no answer from /bin/sh";
}

}  // namespace au::test
