#include "app/core/ansi_codec.h"

#include <cstddef>

#include "app/core/big_text.h"
#include "app/core/code_page.h"
#include "app/core/utf8_codec.h"

namespace au {
namespace {

// Texts shorter than this go through a scratch buffer on the stack and are copied
// once; longer ones are converted straight into their result, reserved at its
// worst-case size and trimmed, so no buffer of the size of a big text is ever
// filled twice.
constexpr std::size_t kShortLimit = 2047;
constexpr std::size_t kWideScratch = 2047;
constexpr std::size_t kAnsiScratch = 4095;

// `convert` is one of the code-page functions. `worstCase` is the result size
// that suffices for every ordinary code page; a big text is measured instead.
// Should a code page need more (the UTF-8 ANSI code page takes 3 bytes for
// most code units), the platform is asked for the exact size instead of
// losing the text.
template <typename Result, std::size_t kScratch, typename Source, typename Convert>
Result ConvertCodePage(Source source, std::size_t worstCase, Convert convert) {
  Result result;
  const std::size_t n = source.size();
  if (n == 0) return result;
  if (n + 1 < kShortLimit) {
    typename Result::value_type scratch[kScratch];
    const std::size_t count = convert(source, scratch, kScratch);
    if (count > 0) return Result(scratch, count);
  }
  // (Never with room 0: a capacity of 0 asks the platform for the size.)
  const auto convertInto = [&](std::size_t size) {
    if (size == 0) return;
    result.resize_and_overwrite(
        size, [&](auto* dest, std::size_t room) { return convert(source, dest, room); });
  };
  convertInto(n < kBigTextFrom ? worstCase : convert(source, nullptr, 0));
  if (result.empty()) {
    const std::size_t needed = convert(source, nullptr, 0);
    if (needed > worstCase) convertInto(needed);
  }
  return result;
}

}  // namespace

std::u16string AnsiToWide(std::string_view ansi) {
  // No code page makes more than one code unit of a byte.
  return ConvertCodePage<std::u16string, kWideScratch>(ansi, ansi.size() + 1, CodePageToWide);
}

std::string WideToAnsi(std::u16string_view wide) {
  // Double-byte code pages need up to two bytes per code unit.
  return ConvertCodePage<std::string, kAnsiScratch>(wide, (wide.size() + 1) * 2, WideToCodePage);
}

std::string ConvertAnsiToUtf8(std::string_view ansi) {
  return EncodeWideToUtf8(AnsiToWide(ansi));
}

std::string ConvertUtf8ToAnsi(std::string_view utf8) {
  return WideToAnsi(DecodeUtf8ToWide(utf8));
}

}  // namespace au
