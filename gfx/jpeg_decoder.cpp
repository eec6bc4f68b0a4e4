#include "gfx/jpeg_decoder.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <csetjmp>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gfx/decode_limits.h"
#include "gfx/graph_error.h"

namespace {

// libjpeg reports errors through a callback that must not return; we jump back to the
// decoder, which releases libjpeg's memory and throws from ordinary C++ code.
struct TJpegErrors {
  jpeg_error_mgr Manager;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf Escape;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void EscapeOnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<TJpegErrors*>(info->err);
  info->err->format_message(info, errors->Message);
  std::longjmp(errors->Escape, 1);
}

void EscapeOnWarning(j_common_ptr info, int level) {
  if (level < 0) EscapeOnError(info);
}

}  // namespace

TImage DecodeJpeg(std::string_view bytes) {
  // Everything that outlives a jump is created before setjmp, so no destructor is skipped.
  TImage image;
  std::vector<JSAMPLE> row;
  jpeg_decompress_struct info{};
  TJpegErrors errors;
  info.err = jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = EscapeOnError;
  errors.Manager.emit_message = EscapeOnWarning;
  if (setjmp(errors.Escape)) {
    jpeg_destroy_decompress(&info);
    throw TGraphError(std::string("JPEG: ") + errors.Message);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (std::int64_t{info.image_width} * info.image_height > MaxDecodedPixels) {
    jpeg_destroy_decompress(&info);
    throw TGraphError("JPEG: picture too large");
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  image.Width = static_cast<int>(info.output_width);
  image.Height = static_cast<int>(info.output_height);
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height);
  row.resize(static_cast<std::size_t>(image.Width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPLE* rows[] = {row.data()};
    const std::size_t y = info.output_scanline;
    jpeg_read_scanlines(&info, rows, 1);
    std::uint32_t* dst = &image.Pixels[y * image.Width];
    for (int x = 0; x < image.Width; ++x)
      dst[x] = std::uint32_t{row[x * 3]} << 16 | std::uint32_t{row[x * 3 + 1]} << 8 | row[x * 3 + 2];
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}
