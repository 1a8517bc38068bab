#include "tools/skinkit/skin_folder_writer.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

#include "skin/ansi_text.h"
#include "skin/skin_paths.h"

namespace au::kit {
namespace {

void WriteWhole(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path partial = path;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      throw std::runtime_error("cannot write " + path.string());
    }
  }
  std::filesystem::rename(partial, path);
}

}  // namespace

const std::string& SkinFolderContent::AddPicture(std::string fileName,
                                                 std::vector<std::uint8_t> bytes) {
  for (const SkinPicture& picture : Pictures)
    if (SameText(picture.FileName, fileName))
      throw std::invalid_argument("picture '" + fileName + "' is given twice");
  Pictures.push_back({std::move(fileName), std::move(bytes)});
  return Pictures.back().FileName;
}

void WriteSkinFolder(const std::filesystem::path& folder, const SkinFolderContent& content) {
  std::filesystem::create_directories(folder);
  WriteWhole(folder / kOptionsFileName, content.Options.Render());
  for (const SkinPicture& picture : content.Pictures) {
    WriteWhole(folder / picture.FileName,
               std::string_view(reinterpret_cast<const char*>(picture.Bytes.data()),
                                picture.Bytes.size()));
  }
}

}  // namespace au::kit
