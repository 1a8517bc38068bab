#include "skin/jpeg_decoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>
#include <jerror.h>
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
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  errors->base.format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings are what pictures from other tools often carry (stray bytes
// before a marker, an unusual header) and leave every line decoded. Two mean
// that the data ended before the picture did and libjpeg made up the rest:
// those refuse the picture, rather than show it half grey.
void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  const int code = info->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) OnError(info);
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

enum class Outcome { Decoded, LibraryError, TooLarge };

// May throw std::bad_alloc from the picture's allocation, which happens
// outside libjpeg's frames.
Outcome Decode(Session& session, std::span<const std::uint8_t> file, Bitmap24& picture) {
  jpeg_decompress_struct& info = session.info;
  info.err = jpeg_std_error(&session.errors.base);
  session.errors.base.error_exit = OnError;
  session.errors.base.emit_message = OnMessage;
  session.errors.base.output_message = Silent;
  if (setjmp(session.errors.jump) != 0) return Outcome::LibraryError;

  session.created = true;  // a partly created decoder is still safe to destroy
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) ERREXIT(&info, JERR_NO_IMAGE);
  const std::uint64_t pixels = std::uint64_t{info.image_width} * info.image_height;
  if (pixels == 0) ERREXIT(&info, JERR_EMPTY_IMAGE);
  if (pixels > kMaxJpegPixels) return Outcome::TooLarge;

  // Straight into the bitmap's byte order, blue first.
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  picture.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.Row(static_cast<int>(info.output_scanline));
    if (jpeg_read_scanlines(&info, &row, 1) != 1) return Outcome::LibraryError;
  }
  jpeg_finish_decompress(&info);
  return Outcome::Decoded;
}

void Tell(std::string* problem, std::string text) {
  if (problem != nullptr) *problem = std::move(text);
}

}  // namespace

std::optional<Bitmap24> DecodeJpeg(std::span<const std::uint8_t> file, std::string* problem) {
  if (file.empty()) {
    Tell(problem, "empty file");
    return std::nullopt;
  }
  Session session;
  Bitmap24 picture;
  try {
    switch (Decode(session, file, picture)) {
      case Outcome::Decoded:
        return picture;
      case Outcome::LibraryError:
        Tell(problem, session.errors.message);
        return std::nullopt;
      case Outcome::TooLarge:
        Tell(problem, "too large (" + std::to_string(session.info.image_width) + " x " +
                          std::to_string(session.info.image_height) + " pixels)");
        return std::nullopt;
    }
  } catch (const std::bad_alloc&) {
    Tell(problem, "out of memory");
  }
  return std::nullopt;
}

}  // namespace au
