// Our own user-interface texts are UTF-8 in the source and reach the platform
// through the wide APIs, so they read correctly under every ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace au {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace au
