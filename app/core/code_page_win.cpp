#include <windows.h>

#include <charconv>
#include <climits>
#include <cstring>

#include "app/core/code_page.h"

namespace au {
namespace {

// NT systems after version 4 convert with the calling thread's ANSI code page.
// Older ones lack CP_THREAD_ACP, so there the default ANSI code page of the
// thread's locale is looked up; text that is not a number gives CP_ACP (0).
UINT ChooseConversionCodePage() {
  const DWORD version = GetVersion();
  const bool isNt = (version & 0x80000000u) == 0;
  if (isNt && LOBYTE(LOWORD(version)) > 4)
    return CP_THREAD_ACP;
  char buffer[7] = {};
  GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof(buffer));
  const char* end = buffer + strnlen(buffer, sizeof(buffer));
  UINT codePage = 0;
  const auto [stop, error] = std::from_chars(buffer, end, codePage);
  return error == std::errc() && stop == end ? codePage : CP_ACP;
}

UINT ConversionCodePage() {
  static const UINT codePage = ChooseConversionCodePage();
  return codePage;
}

// The Windows functions count in int; longer texts are beyond a 32-bit process.
int ClampToInt(std::size_t n) {
  return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

}  // namespace

std::size_t CodePageToWide(std::string_view ansi, char16_t* dest, std::size_t capacity) {
  if (ansi.size() > INT_MAX)
    return 0;
  const int count = MultiByteToWideChar(
      ConversionCodePage(), 0, ansi.data(), static_cast<int>(ansi.size()),
      reinterpret_cast<wchar_t*>(dest), dest != nullptr ? ClampToInt(capacity) : 0);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::size_t WideToCodePage(std::u16string_view wide, char* dest, std::size_t capacity) {
  if (wide.size() > INT_MAX)
    return 0;
  const int count =
      WideCharToMultiByte(ConversionCodePage(), 0, reinterpret_cast<const wchar_t*>(wide.data()),
                          static_cast<int>(wide.size()), dest,
                          dest != nullptr ? ClampToInt(capacity) : 0, nullptr, nullptr);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

}  // namespace au
