// Splits arbitrary UTF-16 command lines (the input bytes taken in pairs). Checks
// that every argument is made of the line's units in order with only quotes left
// out, holds no quote, 0 or separator from outside a quoted stretch, and that a
// line without quotes splits into exactly its separator-free runs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/core/command_line.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsSeparator(char16_t c) {
  return c >= 1 && c <= 32;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string line(size / 2, u'\0');
  std::memcpy(line.data(), data, line.size() * sizeof(char16_t));
  const au::CommandLineArgs args(line);
  Check(args.ParamCount() >= 0);
  Check(args.ParamStr(args.ParamCount() + 1).empty());

  const std::u16string_view used(line.data(), std::min(line.find(u'\0'), line.size()));
  const bool hasQuotes = used.find(u'"') != std::u16string_view::npos;
  std::size_t cursor = 0;
  std::vector<std::u16string> runs;  // the separator-free runs, for lines without quotes
  for (std::size_t i = 0; i < used.size();) {
    while (i < used.size() && IsSeparator(used[i])) ++i;
    const std::size_t start = i;
    while (i < used.size() && !IsSeparator(used[i])) ++i;
    if (i > start) runs.emplace_back(used.substr(start, i - start));
  }
  for (int a = 0; a <= args.ParamCount(); ++a) {
    const std::u16string arg = args.ParamStr(a);
    Check(a == 0 || !arg.empty());
    for (char16_t c : arg) {
      Check(c != u'"' && c != u'\0');
      Check(hasQuotes || !IsSeparator(c));
      // In order: quotes are the only units an argument leaves out.
      while (cursor < used.size() && used[cursor] != c) {
        Check(used[cursor] == u'"' || IsSeparator(used[cursor]));
        ++cursor;
      }
      Check(cursor < used.size());
      ++cursor;
    }
    if (!hasQuotes) Check(static_cast<std::size_t>(a) < runs.size() ? arg == runs[a] : arg.empty());
  }
  if (!hasQuotes) {
    Check(static_cast<std::size_t>(args.ParamCount()) == (runs.empty() ? 0 : runs.size() - 1));
  }
  return 0;
}
