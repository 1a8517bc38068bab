// A skin folder as files: the options file and the pictures it names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "pixels/bitmap24.h"
#include "tools/skinkit/options_text.h"

namespace au::kit {

struct SkinPicture {
  std::string FileName;  // as the options file names it
  std::vector<std::uint8_t> Bytes;
};

struct SkinFolderContent {
  OptionsText Options;
  std::vector<SkinPicture> Pictures;

  // Adds a picture and returns its name; a name given twice throws.
  const std::string& AddPicture(std::string fileName, std::vector<std::uint8_t> bytes);
};

// Writes Options.dat and every picture into `folder`, creating it when
// needed. Each file is first written beside its place and then renamed over
// it, so that a failure never leaves a half-written file behind. Other files
// in the folder are left alone. Throws std::runtime_error on failure.
void WriteSkinFolder(const std::filesystem::path& folder, const SkinFolderContent& content);

}  // namespace au::kit
