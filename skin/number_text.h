// Numbers as skins write them: decimal integers with an optional sign, or
// hexadecimal after "$" or "0x"; floating point with "." whatever the locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace au {

// Leading blanks are allowed, nothing may follow the digits. Decimal values
// must fit 32 bits; hexadecimal ones may use all 32 bits ($FFFFFFFF is -1).
std::optional<std::int32_t> ParseInteger(std::string_view text);

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// Throws SkinConversionError when `text` is not an integer.
std::int32_t StrToInt(std::string_view text);

// Blanks around the number are allowed; infinities and NaN are not numbers.
std::optional<double> ParseFloat(std::string_view text);

}  // namespace au
