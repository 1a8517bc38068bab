#include "bench/wine/sample_text.h"

#include <windows.h>

#include <array>
#include <cstdio>

#include "ui/wide_text.h"

namespace au::bench {
namespace {

constexpr UINT kCyrillicCodePage = 1251;

}  // namespace

std::string CyrillicText(int lines) {
  static const std::array<const wchar_t*, 12> words = {
      L"съешь", L"же",  L"ещё",   L"этих", L"мягких",  L"французских",
      L"булок", L"да,", L"выпей", L"чаю",  L"широкая", L"электрификация"};
  std::wstring text;
  text.reserve(static_cast<size_t>(lines) * 56);
  unsigned seed = 12345;
  for (int i = 0; i < lines; ++i) {
    wchar_t number[16];
    swprintf(number, 16, L"%06d", i);
    std::wstring line = L"Строка ";
    line += number;
    line += L": ";
    // 34 to 43 characters of prose: 54.5 bytes a line with the break.
    const size_t length = line.size() + 34 + static_cast<size_t>(i % 10);
    while (line.size() < length) {
      seed = seed * 1103515245u + 12345u;
      line += words[(seed >> 16) % words.size()];
      line += L' ';
    }
    line.resize(length);
    text += line;
    text += L'\n';
  }
  return FromWide(kCyrillicCodePage, text);
}

std::string LeadingLines(const std::string& text, size_t bytes) {
  if (text.size() <= bytes) return text;
  const size_t end = text.rfind('\n', bytes - 1);
  return text.substr(0, end == std::string::npos ? 0 : end + 1);
}

std::string RepeatedTo(const std::string& text, size_t bytes) {
  std::string out;
  out.reserve(bytes + text.size());
  while (out.size() + text.size() <= bytes) out += text;
  if (out.size() < bytes) {
    const size_t end = text.find('\n', bytes - out.size());
    out.append(text, 0, end == std::string::npos ? text.size() : end + 1);
  }
  return out;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string Cp1251ToUtf8(const std::string& text) {
  return FromWide(CP_UTF8, ToWide(kCyrillicCodePage, text));
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return fclose(file) == 0 && ok;
}

}  // namespace au::bench
