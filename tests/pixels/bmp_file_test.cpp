#include "pixels/bmp_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace au {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t ReadU32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t ReadU16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A bitmap file written field by field, independently of the encoders.
struct BmpRecipe {
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // negative: top-down
  int Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t InfoSize = 40;
  std::uint32_t ColorsUsed = 0;
  std::uint16_t Planes = 1;
  std::vector<TColor> Palette;
  std::vector<std::uint32_t> Masks;  // red, green, blue
  Bytes Pixels;                      // exactly as stored

  Bytes Build() const {
    Bytes info;
    Put32(info, InfoSize);
    Put32(info, static_cast<std::uint32_t>(Width));
    Put32(info, static_cast<std::uint32_t>(Height));
    Put16(info, Planes);
    Put16(info, static_cast<std::uint32_t>(Bits));
    Put32(info, Compression);
    Put32(info, static_cast<std::uint32_t>(Pixels.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, ColorsUsed);
    Put32(info, 0);
    for (const std::uint32_t m : Masks) Put32(info, m);  // inside a longer header, or after it
    if (InfoSize > 40) info.resize(InfoSize, 0);
    for (const TColor c : Palette) {
      info.push_back(BlueOf(c));
      info.push_back(GreenOf(c));
      info.push_back(RedOf(c));
      info.push_back(0);
    }
    Bytes file = {'B', 'M'};
    Put32(file, static_cast<std::uint32_t>(14 + info.size() + Pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(14 + info.size()));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), Pixels.begin(), Pixels.end());
    return file;
  }
};

BmpRecipe Recipe(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0,
                 std::uint32_t colorsUsed = 0, std::uint32_t infoSize = 40) {
  BmpRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  recipe.Bits = bits;
  recipe.Compression = compression;
  recipe.ColorsUsed = colorsUsed;
  recipe.InfoSize = infoSize;
  return recipe;
}

IndexedPicture Indexed(int width, int height) {
  IndexedPicture picture;
  picture.Width = width;
  picture.Height = height;
  return picture;
}

// Rows padded to 4 bytes, in the order given.
Bytes Rows(const std::vector<Bytes>& rows) {
  Bytes out;
  for (const Bytes& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    out.resize((out.size() + 3) & ~std::size_t(3), 0);
  }
  return out;
}

constexpr TColor kA = MakeColor(10, 20, 30);
constexpr TColor kB = MakeColor(200, 100, 50);
constexpr TColor kC = MakeColor(1, 2, 3);

Bytes Bgr(TColor c) {
  return {BlueOf(c), GreenOf(c), RedOf(c)};
}
Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

void ExpectPixels(const std::optional<Bitmap24>& b, const std::vector<std::vector<TColor>>& rows) {
  ASSERT_TRUE(b.has_value());
  ASSERT_EQ(b->Height(), static_cast<int>(rows.size()));
  for (std::size_t y = 0; y < rows.size(); ++y) {
    ASSERT_EQ(b->Width(), static_cast<int>(rows[y].size()));
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      EXPECT_EQ(b->Pixel(int(x), int(y)), rows[y][x]) << x << "," << y;
  }
}

TEST(Bmp24, EncoderWritesBottomUpPaddedRowsThatDecodeBack) {
  Bitmap24 picture(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) picture.SetPixel(x, y, MakeColor(x * 40, y * 90, 7));
  const Bytes file = EncodeBmp24(picture);
  ASSERT_EQ(file.size(), 54u + 16 * 3);  // 15 bytes of pixels padded to 16
  EXPECT_EQ(ReadU32(file, 2), file.size());
  EXPECT_EQ(ReadU32(file, 10), 54u);
  EXPECT_EQ(ReadU32(file, 14), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(ReadU32(file, 22)), 3);
  EXPECT_EQ(ReadU16(file, 28), 24);
  EXPECT_EQ(ReadU32(file, 34), 48u);
  // The first stored row is the bottom one; padding bytes are zero.
  EXPECT_EQ(file[54 + 2], RedOf(picture.Pixel(0, 2)));
  EXPECT_EQ(file[54 + 15], 0);

  const std::optional<Bitmap24> back = DecodeBmp(file);
  ASSERT_TRUE(back.has_value());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back->Pixel(x, y), picture.Pixel(x, y));
  EXPECT_TRUE(EncodeBmp24(Bitmap24()).empty());
}

TEST(Bmp24, TopDownRowsComeFirst) {
  BmpRecipe recipe = Recipe(2, -2, 24);
  recipe.Pixels = Rows({Concat({Bgr(kA), Bgr(kB)}), Concat({Bgr(kC), Bgr(kA)})});
  ExpectPixels(DecodeBmp(recipe.Build()), {{kA, kB}, {kC, kA}});
}

TEST(Bmp32, PlainPixelsHaveAnUnusedFourthByte) {
  BmpRecipe recipe = Recipe(2, 2, 32);
  recipe.Pixels = Concat({Bgr(kA), {0xEE}, Bgr(kB), {0xEE}, Bgr(kC), {0}, Bgr(kB), {0}});
  ExpectPixels(DecodeBmp(recipe.Build()), {{kC, kB}, {kA, kB}});
}

TEST(Bmp32, BitFieldsInALongHeaderOrAfterAShortOne) {
  // Masks in an unusual order: blue in the top byte, red in the second.
  const auto pixel = [](TColor c) {
    Bytes b;
    Put32(b, std::uint32_t(BlueOf(c)) << 24 | GreenOf(c) << 16 | RedOf(c) << 8);
    return b;
  };
  for (const std::uint32_t infoSize : {40u, 56u, 108u, 124u}) {
    BmpRecipe recipe = Recipe(2, -1, 32, 3, 0, infoSize);
    recipe.Masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
    recipe.Pixels = Concat({pixel(kA), pixel(kB)});
    ExpectPixels(DecodeBmp(recipe.Build()), {{kA, kB}});
  }
}

TEST(Bmp16, FiveBitChannelsByDefaultAndBitFieldsOnRequest) {
  BmpRecipe plain = Recipe(3, 1, 16);
  Bytes px;
  for (const std::uint32_t v : {0x7C00u, 0x03E0u, 0x0010u}) Put16(px, v);
  plain.Pixels = Rows({px});
  // 16 of 31 scaled to 8 bits: (16 * 255 + 15) / 31 = 132.
  ExpectPixels(DecodeBmp(plain.Build()),
               {{MakeColor(255, 0, 0), MakeColor(0, 255, 0), MakeColor(0, 0, 132)}});

  BmpRecipe fields = Recipe(2, 1, 16, 3);
  fields.Masks = {0xF800, 0x07E0, 0x001F};
  Bytes px565;
  Put16(px565, 0x0400);  // green 32 of 63: 130
  Put16(px565, 0xF81F);
  fields.Pixels = Rows({px565});
  ExpectPixels(DecodeBmp(fields.Build()), {{MakeColor(0, 130, 0), MakeColor(255, 0, 255)}});
}

TEST(Bmp8, EncoderWritesTheStoredSkinLayout) {
  IndexedPicture picture = Indexed(216, 325);
  picture.Palette[0] = clWhite;
  picture.Palette[1] = clMagenta;
  picture.Palette[3] = clBlack;
  picture.Palette[200] = MakeColor(0x12, 0x34, 0x56);
  picture.Indexes.assign(216 * 325, 0);
  picture.Indexes[0] = 1;                // top-left
  picture.Indexes[324 * 216 + 5] = 200;  // bottom row
  const Bytes file = EncodeBmp8(picture);

  ASSERT_EQ(file.size(), 71278u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(ReadU32(file, 2), 71278u);
  EXPECT_EQ(ReadU32(file, 6), 0u);
  EXPECT_EQ(ReadU32(file, 10), 1078u);
  EXPECT_EQ(ReadU32(file, 14), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(ReadU32(file, 18)), 216);
  EXPECT_EQ(static_cast<std::int32_t>(ReadU32(file, 22)), 325);
  EXPECT_EQ(ReadU16(file, 26), 1);
  EXPECT_EQ(ReadU16(file, 28), 8);
  EXPECT_EQ(ReadU32(file, 30), 0u);
  EXPECT_EQ(ReadU32(file, 34), 70200u);
  EXPECT_EQ(ReadU32(file, 38), 2835u);
  EXPECT_EQ(ReadU32(file, 42), 2835u);
  EXPECT_EQ(ReadU32(file, 46), 256u);
  // Palette entries are blue, green, red, 0.
  EXPECT_EQ(ReadU32(file, 54 + 4 * 1), 0x00FF00FFu);
  EXPECT_EQ(ReadU32(file, 54 + 4 * 200), 0x00123456u);
  EXPECT_EQ(file[1078 + 5], 200);        // the bottom row is stored first
  EXPECT_EQ(file[1078 + 324 * 216], 1);  // the top row last

  const std::optional<Bitmap24> back = DecodeBmp(file);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Pixel(0, 0), clMagenta);
  EXPECT_EQ(back->Pixel(5, 324), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(back->Pixel(1, 1), clWhite);
}

TEST(Bmp8, PaddingAndIndexCountChecks) {
  IndexedPicture picture = Indexed(3, 2);
  picture.Indexes = {0, 1, 2, 3, 4, 5};
  const Bytes file = EncodeBmp8(picture);
  EXPECT_EQ(file.size(), 1078u + 4 * 2);
  picture.Indexes.pop_back();
  EXPECT_TRUE(EncodeBmp8(picture).empty());
}

TEST(BmpPalette, SmallPalettesAndLowBitDepths) {
  BmpRecipe eight = Recipe(3, 1, 8, 0, 3);
  eight.Palette = {kA, kB, kC};
  eight.Pixels = Rows({{2, 0, 1}});
  ExpectPixels(DecodeBmp(eight.Build()), {{kC, kA, kB}});

  // High nibble first; odd width.
  BmpRecipe four = Recipe(3, 2, 4, 0, 3);
  four.Palette = {kA, kB, kC};
  four.Pixels = Rows({{0x21, 0x00}, {0x01, 0x20}});
  ExpectPixels(DecodeBmp(four.Build()), {{kA, kB, kC}, {kC, kB, kA}});

  // Most significant bit first; ten pixels take two bytes of a padded row.
  BmpRecipe one = Recipe(10, 1, 1);
  one.Palette = {kA, kB};
  one.Pixels = Rows({{0xA0, 0x40}});
  ExpectPixels(DecodeBmp(one.Build()), {{kB, kA, kB, kA, kA, kA, kA, kA, kA, kB}});

  // No count and fewer entries than the depth allows: the palette ends where the pixels begin.
  BmpRecipe implied = Recipe(3, 1, 4);
  implied.Palette = {kA, kB};
  implied.Pixels = Rows({{0x10, 0x10}});
  ExpectPixels(DecodeBmp(implied.Build()), {{kB, kA, kB}});
  implied.Pixels = Rows({{0x12}});  // index 2 lies beyond it
  EXPECT_FALSE(DecodeBmp(implied.Build()).has_value());

  // A version 4 header before the palette.
  BmpRecipe v4 = Recipe(2, 1, 8, 0, 2, 108);
  v4.Palette = {kA, kB};
  v4.Pixels = Rows({{1, 0}});
  ExpectPixels(DecodeBmp(v4.Build()), {{kB, kA}});
}

Bytes Rle8Sample() {
  // 5 x 3, bottom row first: a run of three 1s then end of line (pixels 3, 4
  // keep entry 0); literal 2 1 2 (padded) and a run of two 1s; a move of two
  // right, a run of two 2s, end of line and end of picture.
  return {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 2, 1, 0, 0, 0, 2, 2, 0, 2, 2, 0, 0, 0, 1};
}

TEST(BmpRle, EightBitRunsLiteralsMovesAndLineEnds) {
  BmpRecipe recipe = Recipe(5, 3, 8, 1, 3);
  recipe.Palette = {kA, kB, kC};
  recipe.Pixels = Rle8Sample();
  ExpectPixels(DecodeBmp(recipe.Build()),
               {{kA, kA, kC, kC, kA}, {kC, kB, kC, kB, kB}, {kB, kB, kB, kA, kA}});
}

TEST(BmpRle, FourBitRunsAlternateTheirTwoIndexes) {
  BmpRecipe recipe = Recipe(5, 2, 4, 2, 3);
  recipe.Palette = {kA, kB, kC};
  // Bottom: a run of five from 0x12; top: a literal of three (1, 2, 0), padded.
  recipe.Pixels = {5, 0x12, 0, 0, 0, 3, 0x12, 0x00, 0, 1};
  ExpectPixels(DecodeBmp(recipe.Build()), {{kB, kC, kA, kA, kA}, {kB, kC, kB, kC, kB}});
}

TEST(BmpRle, MissingEndMarkAfterTheLastLineIsAccepted) {
  BmpRecipe recipe = Recipe(5, 3, 8, 1, 3);
  recipe.Palette = {kA, kB, kC};
  recipe.Pixels = Rle8Sample();
  recipe.Pixels.resize(recipe.Pixels.size() - 2);
  EXPECT_TRUE(DecodeBmp(recipe.Build()).has_value());
  recipe.Pixels.resize(recipe.Pixels.size() - 2);  // the last line is not ended either
  EXPECT_FALSE(DecodeBmp(recipe.Build()).has_value());
}

TEST(BmpMalformed, EveryTruncationFailsExceptOfTheLastRowsPadding) {
  Bitmap24 picture(7, 5);
  picture.Fill(kB);
  const Bytes file24 = EncodeBmp24(picture);  // rows of 21 bytes padded to 24
  IndexedPicture indexed = Indexed(7, 5);
  indexed.Indexes.assign(35, 9);
  const Bytes file8 = EncodeBmp8(indexed);  // rows of 7 bytes padded to 8
  for (const auto& [file, padding] : {std::pair{&file24, 3u}, std::pair{&file8, 1u}}) {
    for (std::size_t n = 0; n < file->size(); ++n) {
      const std::optional<Bitmap24> decoded = DecodeBmp({file->data(), n});
      EXPECT_EQ(decoded.has_value(), n >= file->size() - padding) << n;
      if (decoded) {
        EXPECT_EQ(decoded->Pixel(6, 0), file == &file24 ? kB : clBlack) << n;
      }
    }
    EXPECT_TRUE(DecodeBmp(*file).has_value());
  }
}

// A file with the 12-byte core header: 16-bit sizes, 3-byte palette entries.
Bytes CoreFile(std::uint16_t width, std::uint16_t height, int bits,
               const std::vector<TColor>& palette, const Bytes& pixels) {
  Bytes file = {'B', 'M'};
  const std::size_t offset = 14 + 12 + 3 * palette.size();
  Put32(file, static_cast<std::uint32_t>(offset + pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(offset));
  Put32(file, 12);
  Put16(file, width);
  Put16(file, height);
  Put16(file, 1);
  Put16(file, static_cast<std::uint32_t>(bits));
  for (const TColor c : palette) {
    const Bytes bgr = Bgr(c);
    file.insert(file.end(), bgr.begin(), bgr.end());
  }
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

TEST(BmpCore, PalettesOfThreeByteEntriesAndPlainRows) {
  ExpectPixels(DecodeBmp(CoreFile(3, 2, 8, {kA, kB, kC}, Rows({{2, 1, 0}, {0, 0, 1}}))),
               {{kA, kA, kB}, {kC, kB, kA}});
  ExpectPixels(DecodeBmp(CoreFile(2, 1, 4, {kA, kB}, Rows({{0x10}}))), {{kB, kA}});
  ExpectPixels(DecodeBmp(CoreFile(2, 1, 24, {}, Rows({Concat({Bgr(kC), Bgr(kA)})}))), {{kC, kA}});
  // A palette shorter than the bit depth allows ends where the pixels start.
  EXPECT_FALSE(DecodeBmp(CoreFile(2, 1, 8, {kA, kB}, Rows({{2, 0}}))).has_value());
  EXPECT_FALSE(DecodeBmp(CoreFile(2, 1, 16, {}, Rows({{0, 0, 0, 0}}))).has_value());
}

TEST(BmpMalformed, RefusalsSayWhy) {
  BmpRecipe good = Recipe(2, 2, 24);
  good.Pixels = Bytes(16, 0);
  BmpRecipe huge = good;
  huge.Width = 100000;
  huge.Height = -100000;
  BmpRecipe unknown = good;
  unknown.Bits = 7;
  BmpRecipe palette = Recipe(2, 1, 8, 0, 200);
  palette.Pixels = Rows({{1, 0}});
  Bytes offset = good.Build();
  offset[10] = 0xF0;
  Bytes shortRows = good.Build();
  shortRows.resize(shortRows.size() - 8);
  const std::pair<Bytes, const char*> cases[] = {
      {Bytes{'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "not a BMP file"},
      {huge.Build(), "too large (100000 x 100000 pixels)"},
      {unknown.Build(), "unknown format (7 bits per pixel, compression 0)"},
      {palette.Build(), "palette beyond the end of the file"},
      {offset, "pixel data outside the file"},
      {shortRows, "file ends before the last row"},
  };
  for (const auto& [file, reason] : cases) {
    std::string problem;
    EXPECT_FALSE(DecodeBmp(file, &problem).has_value()) << reason;
    EXPECT_EQ(problem, reason);
  }
}

TEST(BmpMalformed, HeadersThatDoNotDescribeAPicture) {
  BmpRecipe good = Recipe(2, 2, 24);
  good.Pixels = Bytes(16, 0);
  ASSERT_TRUE(DecodeBmp(good.Build()).has_value());

  std::vector<BmpRecipe> bad(12, good);
  bad[0].Width = 0;
  bad[1].Width = -2;
  bad[2].Height = 0;
  bad[3].Height = INT32_MIN;
  bad[4].Planes = 2;
  bad[5].Bits = 7;
  bad[6].Bits = 2;
  bad[7].Compression = 4;  // JPEG inside a bitmap
  bad[8].InfoSize = 20;
  bad[9].Compression = 1;  // RLE8 needs 8 bits per pixel
  bad[10].Width = 8193;    // 8193 * 8192 pixels: beyond the limit
  bad[10].Height = 8192;
  bad[11].Compression = 3;  // bit fields need 16 or 32 bits
  for (std::size_t i = 0; i < bad.size(); ++i)
    EXPECT_FALSE(DecodeBmp(bad[i].Build()).has_value()) << i;

  Bytes signature = good.Build();
  signature[1] = 'A';
  EXPECT_FALSE(DecodeBmp(signature).has_value());

  Bytes offsetBeyond = good.Build();
  offsetBeyond[10] = 200;
  EXPECT_FALSE(DecodeBmp(offsetBeyond).has_value());
  Bytes offsetInHeader = good.Build();
  offsetInHeader[10] = 20;
  EXPECT_FALSE(DecodeBmp(offsetInHeader).has_value());
}

TEST(BmpMalformed, IndexesBeyondThePaletteAndBadMasks) {
  BmpRecipe eight = Recipe(2, 1, 8, 0, 2);
  eight.Palette = {kA, kB};
  eight.Pixels = Rows({{1, 5}});
  EXPECT_FALSE(DecodeBmp(eight.Build()).has_value());

  // A colour count above what the file holds.
  eight.ColorsUsed = 0xFFFFFFFF;
  eight.Pixels = Rows({{1, 0}});
  EXPECT_FALSE(DecodeBmp(eight.Build()).has_value());

  for (const std::uint32_t mask : {0u, 0x0F0Fu}) {
    BmpRecipe fields = Recipe(1, 1, 16, 3);
    fields.Masks = {0xF800, mask, 0x001F};
    fields.Pixels = Rows({{0, 0}});
    EXPECT_FALSE(DecodeBmp(fields.Build()).has_value()) << mask;
  }
  BmpRecipe noMasks = Recipe(1, 1, 32, 3);
  noMasks.Pixels = Bytes(4, 0);  // the masks would overlap the pixels
  EXPECT_FALSE(DecodeBmp(noMasks.Build()).has_value());
}

TEST(BmpMalformed, RunsThatLeaveThePicture) {
  const auto decode = [](Bytes data, std::int32_t height = 2, int bits = 8) {
    BmpRecipe recipe = Recipe(4, height, bits, bits == 8 ? 1u : 2u, 2);
    recipe.Palette = {kA, kB};
    recipe.Pixels = std::move(data);
    return DecodeBmp(recipe.Build()).has_value();
  };
  EXPECT_TRUE(decode({4, 1, 0, 0, 4, 0, 0, 1}));
  EXPECT_FALSE(decode({5, 1, 0, 1}));                  // run longer than the row
  EXPECT_FALSE(decode({2, 1, 3, 1, 0, 1}));            // second run passes the row end
  EXPECT_FALSE(decode({0, 5, 1, 1, 1, 1, 1, 0}));      // literal longer than the row
  EXPECT_FALSE(decode({0, 4, 1, 1}));                  // literal beyond the data
  EXPECT_FALSE(decode({0, 2, 5, 0, 1, 1, 0, 1}));      // move past the right edge
  EXPECT_FALSE(decode({0, 2, 0, 3}));                  // move past the top
  EXPECT_FALSE(decode({0, 2, 0}));                     // move cut short
  EXPECT_FALSE(decode({0, 0, 0, 0, 1, 1, 0, 1}));      // a run above the last row
  EXPECT_FALSE(decode({2, 7, 0, 1}));                  // index beyond the palette
  EXPECT_FALSE(decode({4, 1, 0, 0}));                  // data ends inside the picture
  EXPECT_FALSE(decode({4, 1, 0, 0, 4, 0, 0, 1}, -2));  // compressed pictures are bottom-up
  EXPECT_FALSE(decode({0, 3, 0x12, 0, 0, 1}, 1, 4));   // literal index 2 beyond the palette
  EXPECT_FALSE(decode({6, 0x11, 0, 1}, 1, 4));         // four-bit run longer than the row
}

}  // namespace
}  // namespace au
