#include "app/file_errors.h"

#include <windows.h>

#include "ui/wide_text.h"

namespace au {
namespace {

std::string LastErrorText() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text != nullptr ? Narrow(text) : "error " + std::to_string(code);
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message;
}

std::string Failure(const char* what, const std::wstring& path) {
  // Read first: finding the full path may set another last error.
  const std::string reason = LastErrorText();
  return std::string(what) + " \"" + Narrow(FullPath(path)) + "\". " + reason;
}

}  // namespace

std::wstring FullPath(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring full(n, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
  full.resize(written);
  return full;
}

std::string OpenFailure(const std::wstring& path) {
  return Failure("Cannot open file", path);
}

std::string CreateFailure(const std::wstring& path) {
  return Failure("Cannot create file", path);
}

}  // namespace au
