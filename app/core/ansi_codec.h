// The converter's two commands: text in the ANSI code page to UTF-8 and back,
// both through UTF-16. Neither fails: malformed UTF-8 gives an empty result, and
// characters that the code page lacks are replaced by the platform's conversion.
#pragma once

#include <string>
#include <string_view>

namespace au {

std::string ConvertAnsiToUtf8(std::string_view ansi);
std::string ConvertUtf8ToAnsi(std::string_view utf8);

// The code-page steps on their own.
std::u16string AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::u16string_view wide);

}  // namespace au
