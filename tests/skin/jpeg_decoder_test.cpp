#include "skin/jpeg_decoder.h"

#include <gtest/gtest.h>

#include "tests/skin/skin_test_support.h"

namespace au {
namespace {

using test::EncodeJpeg;
using test::NearColour;

Bitmap24 TwoColourPicture(int width, int height) {
  Bitmap24 picture = test::SolidPicture(width, height, MakeColor(200, 40, 40));
  for (int y = height / 2; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, MakeColor(30, 60, 220));
  return picture;
}

TEST(JpegDecoder, DecodesColourAndGreyPicturesInBitmapOrder) {
  const std::vector<std::uint8_t> file = EncodeJpeg(TwoColourPicture(37, 23));
  const std::optional<Bitmap24> picture = DecodeJpeg(file);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Width(), 37);
  EXPECT_EQ(picture->Height(), 23);
  EXPECT_TRUE(NearColour(picture->Pixel(18, 2), MakeColor(200, 40, 40), 6));
  EXPECT_TRUE(NearColour(picture->Pixel(18, 20), MakeColor(30, 60, 220), 6));

  const std::optional<Bitmap24> grey =
      DecodeJpeg(EncodeJpeg(test::SolidPicture(16, 8, 0x909090), true));
  ASSERT_TRUE(grey.has_value());
  EXPECT_TRUE(NearColour(grey->Pixel(3, 3), 0x909090, 3));
}

TEST(JpegDecoder, DamagedFilesAreRefusedWithoutEndingTheProcess) {
  const std::vector<std::uint8_t> file = EncodeJpeg(TwoColourPicture(64, 64));
  EXPECT_FALSE(DecodeJpeg({}).has_value());
  EXPECT_FALSE(DecodeJpeg(std::span(file).first(2)).has_value());
  EXPECT_FALSE(DecodeJpeg(std::span(file).first(file.size() / 2)).has_value());
  const std::vector<std::uint8_t> noise(4096, 0x5A);
  EXPECT_FALSE(DecodeJpeg(noise).has_value());

  std::vector<std::uint8_t> corrupt = file;
  for (std::size_t i = corrupt.size() / 2; i < corrupt.size() - 2; i += 7) corrupt[i] ^= 0xFF;
  const std::optional<Bitmap24> damaged = DecodeJpeg(corrupt);  // refused or decoded, not a crash
  if (damaged) {
    EXPECT_EQ(damaged->Width(), 64);
  }
}

TEST(JpegDecoder, OversizedFramesAreRefusedBeforeDecoding) {
  std::vector<std::uint8_t> file = EncodeJpeg(test::SolidPicture(8, 8, 0));
  // Rewrite the frame header (SOF0: FF C0, length, precision, height, width).
  for (std::size_t i = 0; i + 8 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = 0xFF;  // height 65535
      file[i + 6] = 0xFF;
      file[i + 7] = 0xFF;  // width 65535
      file[i + 8] = 0xFF;
      break;
    }
  }
  EXPECT_FALSE(DecodeJpeg(file).has_value());
}

}  // namespace
}  // namespace au
