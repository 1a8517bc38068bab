// Our own user-interface texts are UTF-8 in the source and reach the platform
// through the wide APIs, so they read correctly under every ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace au {

// Text in code page `codePage` as UTF-16, and back, through the platform.
std::wstring ToWide(unsigned codePage, std::string_view text);
std::string FromWide(unsigned codePage, std::wstring_view wide);

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Text in the ANSI code page (file names, skin names) as UTF-8, to be shown
// beside our own texts.
std::string AnsiToUtf8(std::string_view ansi);
// The reverse, for such a text shown among ours and read back.
std::string Utf8ToAnsi(std::string_view utf8);
// A platform text (a path, say) in the ANSI code page.
std::string WideToAnsi(std::wstring_view wide);

}  // namespace au
