// The code-page step through iconv, with the replacement behaviour of the
// Windows functions: a byte or code unit that cannot be converted becomes a
// replacement character, and a result that does not fit is a failure (0).
#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/core/code_page.h"
#include "app/core/code_page_posix.h"

namespace au {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr unsigned kDefaultCodePage = 1252;

std::string IconvName(unsigned codePage) {
  return codePage == 65001 ? "UTF-8" : "CP" + std::to_string(codePage);
}

class Iconv {
 public:
  Iconv(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Iconv() {
    if (Valid()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts the whole input. An input character that cannot be converted (not
  // valid, incomplete, or missing from the target) is replaced by `replacement`
  // and `skip` input bytes are passed over. Returns the bytes written, 0 when they
  // exceed `capacity`. With a null `out` only counts.
  std::size_t Convert(std::string_view in, std::size_t skip, std::string_view replacement,
                      char* out, std::size_t capacity) {
    if (!Valid()) return 0;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    const bool counting = out == nullptr;
    // Counting a big text goes in big steps: each call of iconv has its cost.
    std::vector<char> scratchBuffer(counting ? std::size_t{1} << 16 : 0);
    char* const scratch = scratchBuffer.data();
    std::size_t counted = 0;
    char* inPtr = const_cast<char*>(in.data());  // iconv's interface is not const-correct
    std::size_t inLeft = in.size();
    char* outPtr = counting ? scratch : out;
    std::size_t outLeft = counting ? scratchBuffer.size() : capacity;
    // Room ran out: a failure when writing, the next stretch when counting.
    const auto makeRoom = [&] {
      if (!counting) return false;
      counted += scratchBuffer.size() - outLeft;
      outPtr = scratch;
      outLeft = scratchBuffer.size();
      return true;
    };
    while (iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        if (!makeRoom()) return 0;
        continue;
      }
      if (outLeft < replacement.size() && !makeRoom()) return 0;
      std::memcpy(outPtr, replacement.data(), replacement.size());
      outPtr += replacement.size();
      outLeft -= replacement.size();
      const std::size_t step = skip < inLeft ? skip : inLeft;
      inPtr += step;
      inLeft -= step;
    }
    return counting ? counted + scratchBuffer.size() - outLeft : capacity - outLeft;
  }

 private:
  iconv_t handle_;
};

struct Converters {
  explicit Converters(unsigned cp)
      : codePage(cp), toWide(kUtf16, IconvName(cp)), fromWide(IconvName(cp), kUtf16) {}
  bool Valid() const { return toWide.Valid() && fromWide.Valid(); }

  unsigned codePage;
  Iconv toWide;
  Iconv fromWide;
};

std::unique_ptr<Converters>& Active() {
  static std::unique_ptr<Converters> active = std::make_unique<Converters>(kDefaultCodePage);
  return active;
}

constexpr char16_t kReplacementUnit = 0xFFFD;
constexpr std::string_view kReplacementByte = "?";

}  // namespace

bool SetConversionCodePage(unsigned codePage) {
  auto candidate = std::make_unique<Converters>(codePage);
  if (!candidate->Valid()) return false;
  Active() = std::move(candidate);
  return true;
}

unsigned ConversionCodePage() {
  return Active()->codePage;
}

std::size_t CodePageToWide(std::string_view ansi, char16_t* dest, std::size_t capacity) {
  const std::string_view replacement(reinterpret_cast<const char*>(&kReplacementUnit),
                                     sizeof(kReplacementUnit));
  const std::size_t bytes = Active()->toWide.Convert(
      ansi, 1, replacement, reinterpret_cast<char*>(dest), capacity * sizeof(char16_t));
  return bytes / sizeof(char16_t);
}

std::size_t WideToCodePage(std::u16string_view wide, char* dest, std::size_t capacity) {
  const std::string_view bytes(reinterpret_cast<const char*>(wide.data()),
                               wide.size() * sizeof(char16_t));
  return Active()->fromWide.Convert(bytes, sizeof(char16_t), kReplacementByte, dest, capacity);
}

}  // namespace au
