#include "tests/skin/skin_test_support.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "pixels/bmp_file.h"
#include "tools/jpeg_writer/jpeg_writer.h"

namespace au::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("skin_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

Bitmap24 SolidPicture(int width, int height, TColor colour) {
  Bitmap24 picture(width, height);
  picture.Fill(colour);
  return picture;
}

void WriteBmp(const std::filesystem::path& path, const Bitmap24& picture) {
  WriteFile(path, EncodeBmp24(picture));
}

void WriteJpeg(const std::filesystem::path& path, const Bitmap24& picture) {
  WriteFile(path, EncodeJpeg(picture));
}

bool NearColour(TColor a, TColor b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
         std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

}  // namespace au::test
