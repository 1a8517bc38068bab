// Feeds arbitrary bytes to the UTF-8 decoder. Checks that the length query and
// the real decoding agree, that a buffer of any smaller capacity gets a prefix,
// that the decoded units re-encode and decode to themselves, and that the fast
// paths agree with a plain byte-by-byte reading of the decoding rules. The same
// bytes read as code units go through the encoder, against its rules too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/utf8_codec.h"
#include "tests/app/core/utf8_reference.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string decoded = au::DecodeUtf8ToWide(bytes);
  const std::size_t query = au::ReadUtf8Bytes(nullptr, 0, bytes);

  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  const std::string unitsEncoded = au::EncodeWideToUtf8(units);
  Check(unitsEncoded == au::test::ReferenceEncode(units));
  Check(au::WriteUtf8Units(nullptr, 0, units) == unitsEncoded.size() + 1);

  const std::optional<std::u16string> expected = au::test::ReferenceDecode(bytes);
  Check(query == (expected ? expected->size() + 1 : au::kMalformedUtf8));
  Check(decoded == expected.value_or(std::u16string()));
  if (!expected) return 0;

  // A buffer of exactly the queried size takes everything; a smaller one a prefix.
  std::u16string buffer(query, u'#');
  Check(au::ReadUtf8Bytes(buffer.data(), query, bytes) == query);
  Check(buffer.compare(0, decoded.size(), decoded) == 0 && buffer[decoded.size()] == 0);
  const std::size_t small = query / 2 + 1;
  Check(au::ReadUtf8Bytes(buffer.data(), small, bytes) == small);
  Check(buffer.compare(0, small - 1, decoded, 0, small - 1) == 0 && buffer[small - 1] == 0);

  // Decoded units always encode to a form that decodes back to them; pure ASCII
  // input is its own encoding.
  const std::string encoded = au::EncodeWideToUtf8(decoded);
  Check(au::WriteUtf8Units(nullptr, 0, decoded) == encoded.size() + 1);
  Check(au::DecodeUtf8ToWide(encoded) == decoded);
  if (bytes.size() == decoded.size()) Check(encoded == bytes);
  return 0;
}
