// Off Windows the conversion code page is chosen by the program (tests use it
// to run the same text through several code pages). It starts as 1252.
#pragma once

namespace au {

// Selects a Windows code page by number (1251, 1252, 65001 for UTF-8, ...).
// Returns false and keeps the current one when the system cannot convert it.
bool SetConversionCodePage(unsigned codePage);
unsigned ConversionCodePage();

}  // namespace au
