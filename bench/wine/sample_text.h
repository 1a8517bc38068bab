// The texts the harness measures with, made here: lines of Russian prose
// with Unix line breaks, in code page 1251 and in UTF-8.
#pragma once

#include <string>

namespace au::bench {

// `lines` lines of Cyrillic text in code page 1251, each ended by LF, about
// 54.5 bytes a line on average (200 000 lines make 10.9 MB).
std::string CyrillicText(int lines);
// The first whole lines of `text` that fit in `bytes`.
std::string LeadingLines(const std::string& text, size_t bytes);
// `text` repeated, in whole copies and then whole lines, to at least `bytes`.
std::string RepeatedTo(const std::string& text, size_t bytes);

// What the memo makes of a file: every lone LF becomes CR LF.
std::string WithCrLf(const std::string& text);
// Code page 1251 to UTF-8 and back, through the platform.
std::string Cp1251ToUtf8(const std::string& text);

// Writes `bytes` to `path`; false when it could not.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace au::bench
