#include "tools/skinkit/skin_folder_writer.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include <jpeglib.h>

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

std::vector<std::uint8_t> EncodeJpeg(const Bitmap24& picture, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.dct_method = JDCT_ISLOW;
  for (int c = 0; c < 3; ++c) info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> file(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return file;
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
