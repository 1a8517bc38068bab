#include "tools/jpeg_writer/jpeg_writer.h"

// clang-format off
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
// clang-format on

namespace au {

std::vector<std::uint8_t> EncodeJpeg(const Bitmap24& picture, const JpegSettings& settings) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = settings.Grey ? 1 : 3;
  info.in_color_space = settings.Grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, settings.Quality, TRUE);
  info.dct_method = JDCT_ISLOW;
  for (int c = 0; c < info.num_components; ++c)
    info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> greyRow(settings.Grey ? static_cast<std::size_t>(picture.Width()) : 0);
  while (info.next_scanline < info.image_height) {
    const std::uint8_t* source = picture.Row(static_cast<int>(info.next_scanline));
    JSAMPROW row = const_cast<JSAMPROW>(source);
    if (settings.Grey) {
      for (int x = 0; x < picture.Width(); ++x)
        greyRow[static_cast<std::size_t>(x)] = source[3 * x];
      row = greyRow.data();
    }
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> file(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return file;
}

}  // namespace au
