#include "skin/jpeg_decoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>
// clang-format on

#include <new>

namespace au {
namespace {

// libjpeg reports errors through a callback that must not return. It jumps
// back to the one function below that talks to libjpeg; that function holds
// no C++ object with a destructor, so nothing is skipped by the jump.
struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings flag corrupt data; a skin picture that needs them is treated as
// unreadable rather than shown half grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

void Silent(j_common_ptr) {}

// The budget for libjpeg's own buffers (progressive pictures keep all their
// coefficients); beyond it decoding fails instead of swapping to disk.
constexpr long kMaxDecoderMemory = 512L << 20;

struct Session {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  bool created = false;

  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

// Returns false on any libjpeg error. May throw std::bad_alloc from the
// picture's allocation, which happens outside libjpeg's frames.
bool Decode(Session& session, std::span<const std::uint8_t> file, Bitmap24& picture) {
  jpeg_decompress_struct& info = session.info;
  info.err = jpeg_std_error(&session.errors.base);
  session.errors.base.error_exit = OnError;
  session.errors.base.emit_message = OnMessage;
  session.errors.base.output_message = Silent;
  if (setjmp(session.errors.jump) != 0) return false;

  session.created = true;  // a partly created decoder is still safe to destroy
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  const std::uint64_t pixels = std::uint64_t{info.image_width} * info.image_height;
  if (pixels == 0 || pixels > kMaxJpegPixels) return false;

  // Straight into the bitmap's byte order, blue first.
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  picture.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.Row(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::optional<Bitmap24> DecodeJpeg(std::span<const std::uint8_t> file) {
  if (file.empty()) return std::nullopt;
  Session session;
  Bitmap24 picture;
  try {
    if (!Decode(session, file, picture)) return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace au
