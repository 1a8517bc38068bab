#include "app/core/command_line.h"

#include <algorithm>

namespace au {
namespace {

constexpr std::u16string_view kQuoteOrEnd(u"\"\0", 2);

bool IsSeparator(char16_t c) {
  return c >= 1 && c <= 32;
}
// Codes 0 to 32 end an argument outside quotes.
bool EndsArgument(char16_t c) {
  return c <= 32;
}

}  // namespace

std::size_t NextParam(std::u16string_view line, std::size_t pos, std::u16string& param) {
  const std::size_t n = line.size();
  // A 0 unit ends the line as its end does.
  const auto at = [&](std::size_t i) { return i < n ? line[i] : u'\0'; };
  param.clear();
  while (true) {
    while (pos < n && IsSeparator(line[pos]))
      ++pos;
    if (at(pos) == u'"' && at(pos + 1) == u'"') {
      pos += 2;
    } else {
      break;
    }
  }
  while (!EndsArgument(at(pos))) {
    if (line[pos] != u'"') {
      param.push_back(line[pos++]);
      continue;
    }
    const std::size_t stop = std::min(line.find_first_of(kQuoteOrEnd, pos + 1), n);
    param.append(line.substr(pos + 1, stop - pos - 1));
    pos = at(stop) == u'"' ? stop + 1 : stop;
  }
  return pos;
}

CommandLineArgs::CommandLineArgs(std::u16string_view commandLine) {
  std::u16string param;
  std::size_t pos = NextParam(commandLine, 0, param);
  args_.push_back(param);
  while (true) {
    pos = NextParam(commandLine, pos, param);
    if (param.empty())
      break;
    args_.push_back(param);
  }
}

std::u16string CommandLineArgs::ParamStr(int index) const {
  if (index < 0 || index >= static_cast<int>(args_.size()))
    return {};
  return args_[static_cast<std::size_t>(index)];
}

}  // namespace au
