// Helpers for skin tests: temporary skin folders written by the tests
// themselves (options files, 24-bit BMP and JPEG pictures).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/bitmap24.h"

namespace au::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder as the skin engine spells paths (8-bit, native separators).
  std::string Ansi() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, std::string_view bytes);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A picture filled with `colour`.
Bitmap24 SolidPicture(int width, int height, TColor colour);
void WriteBmp(const std::filesystem::path& path, const Bitmap24& picture);

// A JPEG file of the picture (quality 95).
void WriteJpeg(const std::filesystem::path& path, const Bitmap24& picture);

// True when each channel differs by at most `tolerance` (JPEG is lossy).
bool NearColour(TColor a, TColor b, int tolerance);

}  // namespace au::test
