#include "pixels/bmp_file.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <new>
#include <string>

namespace au {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the oldest header, with 16-bit sizes
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct ChannelField {
  std::uint32_t Mask = 0;
  int Shift = 0;
  std::uint32_t Max = 0;  // largest value of the field

  static std::optional<ChannelField> From(std::uint32_t mask) {
    if (mask == 0) return std::nullopt;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    if ((max & (max + 1)) != 0) return std::nullopt;  // the bits must be contiguous
    return ChannelField{mask, shift, max};
  }
  std::uint8_t Extract(std::uint32_t pixel) const {
    const std::uint64_t v = (pixel & Mask) >> Shift;
    return static_cast<std::uint8_t>((v * 255 + Max / 2) / Max);
  }
};

struct BmpLayout {
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = kBiRgb;
  std::size_t PixelOffset = 0;
  std::size_t RowBytes = 0;                          // of uncompressed rows, padded to 4 bytes
  std::vector<std::array<std::uint8_t, 3>> Palette;  // blue, green, red
  std::array<ChannelField, 3> Fields{};              // blue, green, red for 16 and 32 bits
};

// Says why a file is refused, when the caller asked.
class Refusal {
 public:
  explicit Refusal(std::string* problem) : problem_(problem) {}
  std::nullopt_t operator()(std::string text) const {
    if (problem_ != nullptr) *problem_ = std::move(text);
    return std::nullopt;
  }

 private:
  std::string* problem_;
};

std::string SizeText(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// The fields that the 12-byte core header and the longer information headers
// both give, read from whichever the file has.
struct InfoHeader {
  std::uint32_t Size = 0;
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // negative: top-down
  std::uint16_t Planes = 0;
  int BitCount = 0;
  std::uint32_t Compression = kBiRgb;
  std::uint32_t ColorsUsed = 0;
  std::size_t PaletteEntryBytes = 4;  // the core header's palette has no fourth byte
};

InfoHeader ReadInfoHeader(std::span<const std::uint8_t> file, std::uint32_t size) {
  InfoHeader h;
  h.Size = size;
  if (size == kCoreHeaderSize) {
    // Unsigned sizes, always bottom-up, never compressed.
    h.Width = U16(file, 18);
    h.Height = U16(file, 20);
    h.Planes = U16(file, 22);
    h.BitCount = U16(file, 24);
    h.PaletteEntryBytes = 3;
    return h;
  }
  h.Width = static_cast<std::int32_t>(U32(file, 18));
  h.Height = static_cast<std::int32_t>(U32(file, 22));
  h.Planes = U16(file, 26);
  h.BitCount = U16(file, 28);
  h.Compression = U32(file, 30);
  h.ColorsUsed = U32(file, 46);
  return h;
}

bool ValidFormat(const InfoHeader& h) {
  const int bits = h.BitCount;
  const std::uint32_t c = h.Compression;
  if (h.Size == kCoreHeaderSize) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  return (c == kBiRgb &&
          (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
         (c == kBiRle8 && bits == 8) || (c == kBiRle4 && bits == 4) ||
         (c == kBiBitfields && (bits == 16 || bits == 32));
}

std::optional<BmpLayout> ReadLayout(std::span<const std::uint8_t> file, const Refusal& refuse) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') {
    return refuse("not a BMP file");
  }
  const std::uint32_t infoSize = U32(file, 14);
  if (infoSize != kCoreHeaderSize && infoSize != 40 && infoSize != 52 && infoSize != 56 &&
      infoSize != 108 && infoSize != 124) {
    return refuse("unknown header of " + std::to_string(infoSize) + " bytes");
  }
  const std::size_t headersEnd = kFileHeaderSize + infoSize;
  if (file.size() < headersEnd) return refuse("file ends inside the header");

  const InfoHeader h = ReadInfoHeader(file, infoSize);
  if (h.Width <= 0 || h.Height == 0 || h.Height == INT32_MIN || h.Planes != 1) {
    return refuse("invalid size (" + SizeText(h.Width, h.Height) + " pixels, " +
                  std::to_string(h.Planes) + " planes)");
  }
  BmpLayout layout;
  layout.Width = static_cast<int>(h.Width);
  layout.Height = static_cast<int>(h.Height < 0 ? -h.Height : h.Height);
  layout.TopDown = h.Height < 0;
  layout.BitCount = h.BitCount;
  layout.Compression = h.Compression;
  layout.PixelOffset = U32(file, 10);
  if (std::int64_t(layout.Width) * layout.Height > kMaxBmpPixels) {
    return refuse("too large (" + SizeText(layout.Width, layout.Height) + " pixels)");
  }
  const int bits = layout.BitCount;
  const std::uint32_t c = layout.Compression;
  const bool compressed = c == kBiRle8 || c == kBiRle4;
  // Compressed pictures are always stored bottom-up.
  if (!ValidFormat(h) || (compressed && layout.TopDown)) {
    return refuse("unknown format (" + std::to_string(bits) + " bits per pixel, compression " +
                  std::to_string(c) + (layout.TopDown ? ", top-down)" : ")"));
  }
  if (layout.PixelOffset < headersEnd || layout.PixelOffset > file.size()) {
    return refuse("pixel data outside the file");
  }
  // Uncompressed rows must all be there, checked before any picture is made.
  // The last row may lack its padding, which some writers leave out.
  layout.RowBytes = ((std::size_t(layout.Width) * bits + 31) / 32) * 4;
  const std::size_t lastRowBytes = (std::size_t(layout.Width) * bits + 7) / 8;
  if (!compressed &&
      layout.RowBytes * (layout.Height - 1) + lastRowBytes > file.size() - layout.PixelOffset) {
    return refuse("file ends before the last row");
  }

  if (bits <= 8) {
    const std::uint32_t most = 1u << bits;
    std::uint32_t count = h.ColorsUsed == 0 || h.ColorsUsed > most ? most : h.ColorsUsed;
    const std::size_t entry = h.PaletteEntryBytes;
    // With no count (the core header never gives one) the palette would be
    // full, but writers that keep only the colours they use end it where the
    // pixels begin.
    if (h.ColorsUsed == 0) {
      count = std::min<std::uint32_t>(
          count, static_cast<std::uint32_t>((layout.PixelOffset - headersEnd) / entry));
    }
    if (count == 0) return refuse("no palette");
    if (headersEnd + entry * count > file.size())
      return refuse("palette beyond the end of the file");
    layout.Palette.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t at = headersEnd + entry * i;
      layout.Palette[i] = {file[at], file[at + 1], file[at + 2]};
    }
  } else if (bits == 16 || c == kBiBitfields) {
    std::array<std::uint32_t, 3> masks = {0x001F, 0x03E0, 0x7C00};  // 5-5-5 unless told
    if (c == kBiBitfields) {
      // The red, green and blue masks follow a 40-byte header, or are its continuation.
      constexpr std::size_t at = kFileHeaderSize + kInfoHeaderSize;
      if (file.size() < at + 12 || (infoSize == kInfoHeaderSize && layout.PixelOffset < at + 12)) {
        return refuse("colour masks missing");
      }
      masks = {U32(file, at + 8), U32(file, at + 4), U32(file, at)};
    }
    for (int i = 0; i < 3; ++i) {
      const std::optional<ChannelField> field = ChannelField::From(masks[i]);
      if (!field) return refuse("invalid colour masks");
      layout.Fields[i] = *field;
    }
  }
  return layout;
}

// Uncompressed rows; false when a palette index lies beyond the palette.
bool DecodeRows(std::span<const std::uint8_t> file, const BmpLayout& layout, Bitmap24& out) {
  const std::size_t rowBytes = layout.RowBytes;
  const std::size_t paletteSize = layout.Palette.size();
  const int bits = layout.BitCount;
  const bool plain32 = bits == 32 && layout.Compression == kBiRgb;
  for (int i = 0; i < layout.Height; ++i) {
    const std::uint8_t* s = file.data() + layout.PixelOffset + rowBytes * i;
    std::uint8_t* d = out.Row(layout.TopDown ? i : layout.Height - 1 - i);
    if (bits <= 8) {
      const int perByte = 8 / bits;
      const unsigned mask = (1u << bits) - 1;
      for (int x = 0; x < layout.Width; ++x, d += 3) {
        const int shift = 8 - bits * (x % perByte + 1);
        const unsigned index = (s[x / perByte] >> shift) & mask;
        if (index >= paletteSize) return false;
        std::memcpy(d, layout.Palette[index].data(), 3);
      }
    } else if (bits == 24) {
      std::memcpy(d, s, 3 * std::size_t(layout.Width));
    } else if (plain32) {
      for (int x = 0; x < layout.Width; ++x, d += 3, s += 4) std::memcpy(d, s, 3);
    } else {
      const int step = bits / 8;
      for (int x = 0; x < layout.Width; ++x, d += 3, s += step) {
        const std::uint32_t pixel = step == 2 ? std::uint32_t(s[0] | s[1] << 8) : U32({s, 4}, 0);
        for (int ch = 0; ch < 3; ++ch) d[ch] = layout.Fields[ch].Extract(pixel);
      }
    }
  }
  return true;
}

// Run-length encoded rows (8 or 4 bits per pixel), stored bottom-up. Every run
// must stay inside its row and every index inside the palette.
bool DecodeRle(std::span<const std::uint8_t> file, const BmpLayout& layout, Bitmap24& out) {
  const bool four = layout.Compression == kBiRle4;
  const std::size_t paletteSize = layout.Palette.size();
  const auto& background = layout.Palette[0];
  for (int y = 0; y < layout.Height; ++y) {
    std::uint8_t* d = out.Row(y);
    for (int x = 0; x < layout.Width; ++x) std::memcpy(d + 3 * x, background.data(), 3);
  }

  std::size_t at = layout.PixelOffset;
  const std::size_t end = file.size();
  int x = 0;
  int y = 0;  // counted from the bottom row
  // Writes `count` pixels whose k-th index is indexAt(k).
  const auto put = [&](int count, auto indexAt) {
    if (y >= layout.Height || count > layout.Width - x) return false;
    std::uint8_t* d = out.Row(layout.Height - 1 - y) + 3 * x;
    for (int k = 0; k < count; ++k, d += 3) {
      const unsigned index = indexAt(k);
      if (index >= paletteSize) return false;
      std::memcpy(d, layout.Palette[index].data(), 3);
    }
    x += count;
    return true;
  };

  while (end - at >= 2) {
    const int first = file[at];
    const int second = file[at + 1];
    at += 2;
    if (first > 0) {  // a run of one index (RLE8) or of two alternating ones (RLE4)
      const auto run = [&](int k) {
        return four ? unsigned((k % 2 == 0 ? second >> 4 : second) & 0x0F) : unsigned(second);
      };
      if (!put(first, run)) return false;
    } else if (second == 0) {  // end of line
      x = 0;
      ++y;
    } else if (second == 1) {  // end of picture
      return true;
    } else if (second == 2) {  // move right and up
      if (end - at < 2) return false;
      x += file[at];
      y += file[at + 1];
      at += 2;
      if (x > layout.Width || y > layout.Height) return false;
    } else {  // `second` literal indexes, padded to a 16-bit boundary
      const std::size_t bytes = four ? (std::size_t(second) + 1) / 2 : std::size_t(second);
      const std::size_t padded = (bytes + 1) & ~std::size_t(1);
      if (end - at < padded) return false;
      const std::uint8_t* literal = file.data() + at;
      const auto absolute = [&](int k) {
        return four ? unsigned((k % 2 == 0 ? literal[k / 2] >> 4 : literal[k / 2]) & 0x0F)
                    : unsigned(literal[k]);
      };
      if (!put(second, absolute)) return false;
      at += padded;
    }
  }
  // Some writers leave out the end-of-picture mark after the last line.
  return y >= layout.Height;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// File and information headers of an uncompressed bottom-up picture; the
// palette and rows follow. Returns the padded row length.
std::size_t PutHeaders(std::vector<std::uint8_t>& out, int width, int height, int bits,
                       std::uint32_t paletteSize) {
  const std::size_t rowBytes = ((std::size_t(width) * bits + 31) / 32) * 4;
  const std::size_t imageSize = rowBytes * height;
  const std::size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * std::size_t(paletteSize);
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(pixelOffset + imageSize));
  PutU32(out, 0);  // reserved
  PutU32(out, static_cast<std::uint32_t>(pixelOffset));
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  PutU16(out, 1);                                   // planes
  PutU16(out, static_cast<std::uint32_t>(bits));
  PutU32(out, kBiRgb);
  PutU32(out, static_cast<std::uint32_t>(imageSize));
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, paletteSize);  // colours used
  PutU32(out, 0);            // colours important: all
  return rowBytes;
}

}  // namespace

std::optional<Bitmap24> DecodeBmp(std::span<const std::uint8_t> file, std::string* problem) {
  const Refusal refuse(problem);
  const std::optional<BmpLayout> layout = ReadLayout(file, refuse);
  if (!layout) return std::nullopt;
  try {
    Bitmap24 picture(layout->Width, layout->Height);
    const bool rle = layout->Compression == kBiRle8 || layout->Compression == kBiRle4;
    if (rle ? !DecodeRle(file, *layout, picture) : !DecodeRows(file, *layout, picture)) {
      return refuse(rle ? "damaged run-length data" : "palette index beyond the palette");
    }
    return picture;
  } catch (const std::bad_alloc&) {
    return refuse("out of memory");
  }
}

std::vector<std::uint8_t> EncodeBmp24(const Bitmap24& picture) {
  std::vector<std::uint8_t> out;
  if (picture.Empty()) return out;
  const std::size_t rowBytes = PutHeaders(out, picture.Width(), picture.Height(), 24, 0);
  const std::size_t pixelBytes = 3 * std::size_t(picture.Width());
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = picture.Row(y);
    out.insert(out.end(), row, row + pixelBytes);
    out.resize(out.size() + rowBytes - pixelBytes, 0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp8(const IndexedPicture& picture) {
  std::vector<std::uint8_t> out;
  if (picture.Width <= 0 || picture.Height <= 0 ||
      picture.Indexes.size() != std::size_t(picture.Width) * std::size_t(picture.Height)) {
    return out;
  }
  const std::size_t rowBytes = PutHeaders(out, picture.Width, picture.Height, 8, 256);
  for (const TColor c : picture.Palette) {
    out.push_back(BlueOf(c));
    out.push_back(GreenOf(c));
    out.push_back(RedOf(c));
    out.push_back(0);
  }
  for (int y = picture.Height - 1; y >= 0; --y) {
    const auto row = picture.Indexes.begin() + std::ptrdiff_t(y) * picture.Width;
    out.insert(out.end(), row, row + picture.Width);
    out.resize(out.size() + rowBytes - std::size_t(picture.Width), 0);
  }
  return out;
}

}  // namespace au
