// The platform's conversion between the ANSI code page and UTF-16, in the
// conversion code page chosen once at start. Characters that the code page lacks
// are replaced as the platform does it; nothing is reported.
#pragma once

#include <cstddef>
#include <string_view>

namespace au {

// Both write at most `capacity` units into `dest` and return how many they wrote,
// or 0 when the result does not fit or the platform cannot convert. With a null
// `dest` they return the length the conversion needs.
std::size_t CodePageToWide(std::string_view ansi, char16_t* dest, std::size_t capacity);
std::size_t WideToCodePage(std::u16string_view wide, char* dest, std::size_t capacity);

}  // namespace au
