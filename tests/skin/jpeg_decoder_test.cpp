#include "skin/jpeg_decoder.h"

#include <gtest/gtest.h>

#include "tests/skin/skin_test_support.h"
#include "tools/jpeg_writer/jpeg_writer.h"

namespace au {
namespace {

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
      DecodeJpeg(EncodeJpeg(test::SolidPicture(16, 8, 0x909090), {.Grey = true}));
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

// The file with `stray` inserted before the first marker `second` (FF second).
std::vector<std::uint8_t> WithStrayBytesBefore(std::vector<std::uint8_t> file, std::uint8_t second,
                                               std::vector<std::uint8_t> stray) {
  for (std::size_t i = 2; i + 1 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == second) {
      file.insert(file.begin() + static_cast<std::ptrdiff_t>(i), stray.begin(), stray.end());
      return file;
    }
  }
  ADD_FAILURE() << "no marker " << int(second);
  return file;
}

TEST(JpegDecoder, WarningsKeepAWholePictureAndMissingLinesRefuseIt) {
  const std::vector<std::uint8_t> file = EncodeJpeg(TwoColourPicture(64, 64));
  struct Case {
    const char* What;
    std::vector<std::uint8_t> File;
    const char* Problem;  // null: the picture is kept whole
  };
  const Case cases[] = {
      {"stray bytes before the scan", WithStrayBytesBefore(file, 0xDA, {0x12, 0x34, 0x56}),
       nullptr},
      {"stray bytes before the end", WithStrayBytesBefore(file, 0xD9, {0x00, 0x11}), nullptr},
      {"data ends inside the scan",
       {file.begin(), file.begin() + file.size() * 3 / 4},
       "Premature end of JPEG file"},
      {"no JPEG at all", std::vector<std::uint8_t>(64, 0x5A), "Not a JPEG file"},
  };
  for (const Case& c : cases) {
    std::string problem;
    const std::optional<Bitmap24> picture = DecodeJpeg(c.File, &problem);
    if (c.Problem == nullptr) {
      ASSERT_TRUE(picture.has_value()) << c.What << ": " << problem;
      EXPECT_TRUE(NearColour(picture->Pixel(5, 5), MakeColor(200, 40, 40), 6)) << c.What;
      EXPECT_TRUE(NearColour(picture->Pixel(60, 60), MakeColor(30, 60, 220), 6)) << c.What;
    } else {
      EXPECT_FALSE(picture.has_value()) << c.What;
      EXPECT_NE(problem.find(c.Problem), std::string::npos) << c.What << ": " << problem;
    }
  }
}

TEST(JpegDecoder, OversizedFramesAreRefusedBeforeDecoding) {
  std::vector<std::uint8_t> file = EncodeJpeg(test::SolidPicture(8, 8, 0));
  // Rewrite the frame header (SOF0: FF C0, length, precision, height, width).
  for (std::size_t i = 0; i + 8 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == 0xC0) {
      file[i + 5] = 0xEA;  // height 60000
      file[i + 6] = 0x60;
      file[i + 7] = 0xEA;  // width 60000
      file[i + 8] = 0x60;
      break;
    }
  }
  std::string problem;
  EXPECT_FALSE(DecodeJpeg(file, &problem).has_value());
  EXPECT_EQ(problem, "too large (60000 x 60000 pixels)");
}

}  // namespace
}  // namespace au
