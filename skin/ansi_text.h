// Small helpers for the 8-bit strings of skins. Skin names, keys and file names
// are compared and upper-cased in ASCII only: an ANSI byte above 127 means a
// different letter in every code page, so folding it would guess.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace au {

char UpperChar(char c);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
bool Contains(std::string_view text, std::string_view part);

// Drops blanks and control characters (every byte up to 32) at both ends.
std::string_view TrimBlanks(std::string_view text);

// The non-empty runs of `text` between delimiter characters; a run of several
// delimiters separates like one, delimiters at either end are ignored.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view delimiters);

}  // namespace au
